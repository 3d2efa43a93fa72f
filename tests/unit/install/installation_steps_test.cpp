#include "install/installation_steps.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "payload_list.h"

namespace {

std::vector<std::string> InstalledFiles() {
    std::ifstream in(LQ_PAYLOAD_LIST, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<PayloadListEntry> entries;
    std::string error;
    EXPECT_TRUE(ParsePayloadList(text.str(), &entries, &error)) << error;
    std::vector<std::string> files;
    for (const PayloadListEntry& e : entries)
        if (e.role == PayloadRole::Install) files.push_back(e.fileName);
    return files;
}

// What the steps do with the payload list, one word per step, extractions
// as "[first..last]" by file name.
std::string Transcript(const std::vector<std::string>& files) {
    const char* const kNames[] = {"show", "extract", "progress", "group", "desktop", "startup", "in-place"};
    std::string transcript;
    int next = 0;
    for (int i = 0; i < InstallationStepCount; ++i) {
        const InstallationStep& step = InstallationSteps[i];
        if (!transcript.empty()) transcript += ' ';
        if (step.action != kStepExtractThrough) {
            transcript += kNames[step.action];
            if (step.action == kStepShowProgress || step.action == kStepSetProgress)
                transcript += ' ' + std::to_string(step.value);
            continue;
        }
        int end = ExtractionEnd(step.value, static_cast<int>(files.size()));
        transcript += end > next ? "[" + files[next] + ".." + files[end - 1] + "]" : "[]";
        next = end;
    }
    return transcript + (next == static_cast<int>(files.size()) ? "" : " (entries left)");
}

TEST(InstallationSteps, RunInTheirOrderOverThePayloadList) {
    std::vector<std::string> files = InstalledFiles();
    ASSERT_EQ(18u, files.size());
    EXPECT_EQ("show 10 [gbk2b5.bin..LectorQuillery_Guide_en.htm] progress 20"
              " [QuilleryUI.ini..QuilleryUI.ini] progress 25"
              " [ChnBmp.bin..ChnBmp.bin] progress 45"
              " [barmenu.JPG..welcome_lectorquillery.JPG] progress 75"
              " [LectorQuillery.exe..license_en.txt] in-place progress 90"
              " group progress 94 desktop startup progress 100",
              Transcript(files));
}

TEST(InstallationSteps, EveryEntryOfALongerTableIsWritten) {
    std::vector<std::string> files = InstalledFiles();
    files.push_back("extra.bin");
    std::string transcript = Transcript(files);
    EXPECT_NE(std::string::npos, transcript.find("[LectorQuillery.exe..extra.bin] in-place progress 90")) << transcript;
}

TEST(InstallationSteps, ExtractionStepsMoveForwardAndProgressRises) {
    int lastThrough = 0, lastPercent = 0;
    for (int i = 0; i < InstallationStepCount; ++i) {
        const InstallationStep& step = InstallationSteps[i];
        if (step.action == kStepExtractThrough) {
            EXPECT_TRUE(step.value == kThroughLastEntry || step.value > lastThrough) << i;
            lastThrough = step.value == kThroughLastEntry ? 1 << 30 : step.value;
        }
        if (step.action == kStepShowProgress || step.action == kStepSetProgress) {
            EXPECT_GT(step.value, lastPercent) << i;
            EXPECT_LE(step.value, 100) << i;
            lastPercent = step.value;
        }
    }
    EXPECT_EQ(kStepShowProgress, InstallationSteps[0].action);
    EXPECT_EQ(100, lastPercent);
}

TEST(InstallationSteps, BarMovesWithTheBytesWithinAStretch) {
    struct Case {
        int from, to;
        unsigned long long done, total;
        int expected;
    };
    const Case cases[] = {
        {10, 20, 0, 100, 10},   {10, 20, 50, 100, 15},  {10, 20, 99, 100, 19},
        {10, 20, 100, 100, 19},  // the step after the stretch sets 20
        {10, 20, 150, 100, 19}, {75, 90, 0, 0, 75},     {44, 45, 9, 10, 44},
        {20, 25, 1ull << 40, 1ull << 41, 22},  // far beyond a 32-bit count
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ProgressWithin(c.from, c.to, c.done, c.total)) << c.done << "/" << c.total;
    // Each extraction's stretch ends where the next progress step stands,
    // the last one's after the files are put in place.
    std::vector<int> ends;
    for (int i = 0; i < InstallationStepCount; ++i)
        if (InstallationSteps[i].action == kStepExtractThrough) ends.push_back(StretchEndProgress(i));
    EXPECT_EQ((std::vector<int>{20, 25, 45, 75, 90}), ends);
    EXPECT_EQ(100, StretchEndProgress(InstallationStepCount - 1));
}

TEST(InstallationSteps, ExtractionEndStaysInsideTheTable) {
    struct Case {
        int through, tableCount, expected;
    };
    const Case cases[] = {
        {7, 18, 7}, {18, 18, 18}, {kThroughLastEntry, 18, 18}, {kThroughLastEntry, 20, 20},
        {15, 9, 9}, {kThroughLastEntry, 0, 0}, {-5, 18, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ExtractionEnd(c.through, c.tableCount)) << c.through << " " << c.tableCount;
}

}  // namespace
