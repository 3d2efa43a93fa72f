#include "carried_file_check.h"

#include <cstring>
#include <vector>

#include "base/carried_file_limits.h"
#include "render/atlas_format.h"
#include "resources/resource_ids.h"
#include "setup/licence_lines.h"

namespace {

const char kSettingsKey[] = "UILanguage=";
const char kLineBreaks[] = "\r\n";

std::string Bytes(unsigned long long size) { return GroupedNumber(size) + " bytes"; }

bool AtlasFits(const std::string& data, std::string* why) {
    if (data.size() <= kAtlasBufferBytes) return true;
    *why = Bytes(data.size()) + "; start-up reads the glyph atlas into " + Bytes(kAtlasBufferBytes);
    return false;
}

bool LicenceTextFits(const std::string& data, std::string* why) {
    if (data.size() >= kLicenceBufferSize) {
        *why = Bytes(data.size()) + "; the licence page shows a text of at most " +
               Bytes(kLicenceBufferSize - 1);
        return false;
    }
    size_t zero = data.find('\0');
    if (zero == std::string::npos) return true;
    *why = "a zero byte at offset " + GroupedNumber(zero) + "; the licence page would end the text there";
    return false;
}

// The Chinese licence goes into the list line by line, split as the
// installer splits it (a long line goes in as several pieces).
bool LicenceLinesFit(const std::string& data, std::string* why) {
    if (!LicenceTextFits(data, why)) return false;
    std::vector<char> text(data.begin(), data.end());
    text.push_back('\0');
    std::vector<const char*> lines(kLicenceMaxLines + 1);
    int count = SplitLicenceLines(text.data(), lines.data(), kLicenceMaxLines + 1);
    if (count > kLicenceMaxLines) {
        *why = "more than " + std::to_string(kLicenceMaxLines) + " lines; the licence page shows the first " +
               std::to_string(kLicenceMaxLines);
        return false;
    }
    return true;
}

// The installer replaces the first line holding the key whole, a CR, an LF
// or a CR LF ending each line: that line must begin with the key.
bool SettingsRewritable(const std::string& data, std::string* why) {
    if (data.size() > kSettingsSizeLimit) {
        *why = Bytes(data.size()) + "; the installer rewrites a settings file of at most " +
               Bytes(kSettingsSizeLimit);
        return false;
    }
    size_t start = 0;
    for (int number = 1; start < data.size(); ++number) {
        size_t end = data.find_first_of(kLineBreaks, start);
        if (end == std::string::npos) end = data.size();
        const std::string line = data.substr(start, end - start);
        const size_t key = line.find(kSettingsKey);
        // A CR LF is one break, not a break and an empty line.
        start = end + (data.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (key == std::string::npos) continue;
        if (key == 0) return true;
        *why = "line " + std::to_string(number) + " holds \"" + kSettingsKey +
               "\" after other text; the installer would replace that whole line";
        return false;
    }
    return true;
}

struct ContentRule {
    bool (*applies)(const PayloadListEntry& entry);
    bool (*fits)(const std::string& data, std::string* why);
};

const ContentRule kContentRules[] = {
    {[](const PayloadListEntry& e) { return e.resourceId == IDR_GLYPH_ATLAS; }, AtlasFits},
    {[](const PayloadListEntry& e) { return e.resourceId == IDR_LICENCE_CHINESE; }, LicenceLinesFit},
    {[](const PayloadListEntry& e) { return e.resourceId == IDR_LICENCE_ENGLISH; }, LicenceTextFits},
    {[](const PayloadListEntry& e) { return e.fileName == kSettingsFileName; }, SettingsRewritable},
};

}  // namespace

std::string GroupedNumber(unsigned long long size) {
    std::string digits = std::to_string(size), grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

bool CarriedSizeFits(unsigned long long size, std::string* why) {
    if (size <= kCarriedFileSizeLimit) return true;
    *why = Bytes(size) + "; the installer carries files of at most " + Bytes(kCarriedFileSizeLimit);
    return false;
}

bool CarriedTotalFits(unsigned long long total, std::string* why) {
    if (total <= kCarriedPayloadSizeLimit) return true;
    *why = "the files come to " + Bytes(total) + "; the installer carries at most " +
           Bytes(kCarriedPayloadSizeLimit) + " in all";
    return false;
}

bool CarriedContentFits(const PayloadListEntry& entry, const std::string& data, std::string* why) {
    for (const ContentRule& rule : kContentRules)
        if (rule.applies(entry) && !rule.fits(data, why)) return false;
    return true;
}
