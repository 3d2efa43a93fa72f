#include "carried_file_check.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "base/carried_file_limits.h"
#include "install/staging_names.h"
#include "render/atlas_format.h"
#include "resources/resource_ids.h"
#include "setup/licence_lines.h"

namespace {

const char kLineBreaks[] = "\r\n";

std::string Bytes(unsigned long long size) { return GroupedNumber(size) + " bytes"; }

bool AtlasFits(std::string_view data, std::string* why) {
    if (data.size() <= kAtlasBufferBytes) return true;
    *why = Bytes(data.size()) + "; start-up reads the glyph atlas into " + Bytes(kAtlasBufferBytes);
    return false;
}

bool LicenceTextFits(std::string_view data, std::string* why) {
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
bool LicenceLinesFit(std::string_view data, std::string* why) {
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

const char kSettingsKey[] = "UILanguage=";
// The key as readers match it: in any letter case, blanks around it.
const char kSettingsKeyName[] = "UILanguage";
// The section the installer appends when no line holds the key; readers
// take the key from the first section of that name only.
const char kSettingsSection[] = "Config";
const char kBlanks[] = " \t";
const char kUtf16Marks[][3] = {"\xFF\xFE", "\xFE\xFF"};
const char kSilentlyIgnored[] = "the chosen language would silently not apply";

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameLetters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The lines of text: a CR, an LF or a CR LF ends each, as the installer
// reads them.
std::vector<std::string> Lines(std::string_view data) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < data.size();) {
        size_t end = data.find_first_of(kLineBreaks, start);
        if (end == std::string::npos) end = data.size();
        lines.emplace_back(data.substr(start, end - start));
        // A CR LF is one break, not a break and an empty line.
        start = end + (data.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Whether line opens a section, and its name as readers take it.
bool SectionLine(const std::string& line, std::string* name) {
    std::string trimmed = Trimmed(line);
    size_t close = trimmed.find(']');
    if (trimmed.empty() || trimmed[0] != '[' || close == std::string::npos) return false;
    *name = Trimmed(trimmed.substr(1, close - 1));
    return true;
}

// Whether readers take line for the key: its name before the equals sign,
// blanks trimmed, in any letter case.
bool ReaderKeyLine(const std::string& line) {
    size_t equals = line.find('=');
    return equals != std::string::npos && SameLetters(Trimmed(line.substr(0, equals)), kSettingsKeyName);
}

// Text the installer reads byte by byte as GBK: no UTF-16, no zero bytes.
bool SettingsAreGbk(std::string_view data, std::string* why) {
    for (const char* mark : kUtf16Marks) {
        if (data.compare(0, 2, mark) != 0) continue;
        char bytes[8];
        std::snprintf(bytes, sizeof bytes, "%02X %02X", static_cast<unsigned char>(mark[0]),
                      static_cast<unsigned char>(mark[1]));
        *why = std::string("UTF-16 text (it begins with ") + bytes +
               "); the installer reads and writes GBK bytes and would add its \"" + kSettingsKey +
               "\" line in them, which UTF-16 readers do not read: " + kSilentlyIgnored;
        return false;
    }
    size_t zero = data.find('\0');
    if (zero == std::string::npos) return true;
    *why = "a zero byte at offset " + GroupedNumber(zero) +
           "; the installer rewrites the settings as GBK text, which holds none (UTF-16 without a byte-order mark?)";
    return false;
}

// Where a line lies against the first [Config] section.
enum class ConfigPlace { Before, Inside, After };

// The walk through the settings' lines so far: where it is, and the first
// line of [Config] that readers take for the key although the installer
// does not (0 when none).
struct SettingsWalk {
    ConfigPlace place = ConfigPlace::Before;
    std::string section, readerKey;
    int readerLine = 0;
};

std::string WhereOf(const SettingsWalk& walk) {
    if (walk.section.empty()) return "before any section";
    if (walk.place == ConfigPlace::After && SameLetters(walk.section, kSettingsSection))
        return std::string("in a second [") + kSettingsSection + "]";
    return "in [" + walk.section + "]";
}

std::string ReaderKeyAt(const SettingsWalk& walk) {
    return "line " + std::to_string(walk.readerLine) + " writes the key as \"" + walk.readerKey + "\"; ";
}

std::string SecondConfigIgnored() {
    return std::string("the installer looks for \"") + kSettingsKey + "\" as written and, not finding it, would append a second [" +
           kSettingsSection + "] that readers ignore: " + kSilentlyIgnored;
}

// Whether the line the installer rewrites (line number, the key at key)
// is the one readers take.
bool KeyLineApplies(const SettingsWalk& walk, int number, size_t key, std::string* why) {
    const std::string at = "line " + std::to_string(number);
    if (key != 0)
        *why = at + " holds \"" + kSettingsKey + "\" after other text; the installer would replace that whole line";
    else if (walk.place != ConfigPlace::Inside)
        *why = at + " holds \"" + kSettingsKey + "\" " + WhereOf(walk) + ", outside [" + kSettingsSection +
               "]; the installer would set the language there, where readers do not look: " + kSilentlyIgnored;
    else if (walk.readerLine != 0)
        *why = ReaderKeyAt(walk) + "readers take that line, and the installer rewrites " + at + ": " + kSilentlyIgnored;
    return key == 0 && walk.place == ConfigPlace::Inside && walk.readerLine == 0;
}

// Follows a line that does not hold the installer's key.
void WalkLine(const std::string& line, int number, SettingsWalk* walk) {
    std::string name;
    if (SectionLine(line, &name)) {
        if (walk->place == ConfigPlace::Before && SameLetters(name, kSettingsSection)) walk->place = ConfigPlace::Inside;
        else if (walk->place == ConfigPlace::Inside) walk->place = ConfigPlace::After;
        walk->section = name;
    } else if (walk->place == ConfigPlace::Inside && walk->readerLine == 0 && ReaderKeyLine(line)) {
        walk->readerLine = number;
        walk->readerKey = Trimmed(line.substr(0, line.find('=') + 1));
    }
}

// The installer rewrites the first line holding the key, whole, or appends
// a [Config] section holding the key when no line holds it (see
// install/settings_rewrite.h); readers take the key, in any letter case and
// with blanks around it, from the first [Config] section. The chosen
// language applies only where the line the installer writes is the one
// readers take.
bool SettingsKeyApplies(std::string_view data, std::string* why) {
    const std::vector<std::string> lines = Lines(data);
    SettingsWalk walk;
    for (int number = 1; number <= static_cast<int>(lines.size()); ++number) {
        const size_t key = lines[number - 1].find(kSettingsKey);
        if (key != std::string::npos) return KeyLineApplies(walk, number, key, why);
        WalkLine(lines[number - 1], number, &walk);
    }
    if (walk.readerLine != 0) *why = ReaderKeyAt(walk) + SecondConfigIgnored();
    else if (walk.place != ConfigPlace::Before)
        *why = std::string("[") + kSettingsSection + "] holds no \"" + kSettingsKey + "\" line; " + SecondConfigIgnored();
    return walk.readerLine == 0 && walk.place == ConfigPlace::Before;
}

bool SettingsRewritable(std::string_view data, std::string* why) {
    if (data.size() > kSettingsSizeLimit) {
        *why = Bytes(data.size()) + "; the installer rewrites a settings file of at most " +
               Bytes(kSettingsSizeLimit);
        return false;
    }
    return SettingsAreGbk(data, why) && SettingsKeyApplies(data, why);
}

// Names that Windows keeps for devices, also with an extension.
const char* const kDeviceNames[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                    "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                    "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
const char kDroppedAtNameEnd[] = ". ";

bool NotDeviceName(const std::string& name, std::string* why) {
    const std::string stem = name.substr(0, name.find('.'));
    const std::string device = stem.substr(0, stem.find_last_not_of(' ') + 1);
    for (const char* reserved : kDeviceNames) {
        if (!SameLetters(device, reserved)) continue;
        *why = std::string("Windows keeps the name ") + reserved +
               " for a device, also with an extension: the installer would write to the device, not to a file";
        return false;
    }
    return true;
}

// The name Windows gives a file when asked for name: trailing dots and
// spaces dropped.
std::string WindowsName(const std::string& name) {
    return name.substr(0, name.find_last_not_of(kDroppedAtNameEnd) + 1);
}

bool NoTrailingDotOrSpace(const std::string& name, std::string* why) {
    if (WindowsName(name) == name) return true;
    *why = "ends in a dot or a space, which Windows drops: the installer would write \"" + WindowsName(name) + "\"";
    return false;
}

bool NotStagingName(const std::string& name, std::string* why) {
    const std::string prefix = kStagingPrefix;
    if (!SameLetters(name.substr(0, prefix.size()), prefix)) return true;
    *why = "begins with \"" + prefix + "\", which the installer keeps for its temporary files in the installation folder";
    return false;
}

struct NameRule {
    bool installedOnly;  // only for the files that share the installation folder
    bool (*fits)(const std::string& name, std::string* why);
};

const NameRule kNameRules[] = {
    {false, NotDeviceName},
    {false, NoTrailingDotOrSpace},
    {true, NotStagingName},
};

struct ContentRule {
    bool (*applies)(const PayloadListEntry& entry);
    bool (*fits)(std::string_view data, std::string* why);
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

bool CarriedTotalFits(unsigned long long total, std::string* why) {
    if (total <= kCarriedPayloadSizeLimit) return true;
    *why = "the files come to " + Bytes(total) + "; the installer carries at most " +
           Bytes(kCarriedPayloadSizeLimit) + " in all";
    return false;
}

bool CarriedContentFits(const PayloadListEntry& entry, std::string_view data, std::string* why) {
    for (const ContentRule& rule : kContentRules)
        if (rule.applies(entry) && !rule.fits(data, why)) return false;
    return true;
}

bool CarriedContentIsChecked(const PayloadListEntry& entry) {
    for (const ContentRule& rule : kContentRules)
        if (rule.applies(entry)) return true;
    return false;
}

bool CarriedNameFits(const std::vector<PayloadListEntry>& entries, size_t index, std::string* why) {
    const PayloadListEntry& entry = entries[index];
    const bool installed = entry.role == PayloadRole::Install;
    for (const NameRule& rule : kNameRules)
        if ((installed || !rule.installedOnly) && !rule.fits(entry.fileName, why)) return false;
    for (size_t i = 0; installed && i < index; ++i) {
        if (entries[i].role != PayloadRole::Install ||
            !SameLetters(WindowsName(entries[i].fileName), WindowsName(entry.fileName)))
            continue;
        *why = "Windows takes it and \"" + entries[i].fileName +
               "\" for one file, as it ignores letter case and trailing dots and spaces";
        return false;
    }
    return true;
}
