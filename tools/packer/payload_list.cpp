#include "payload_list.h"

#include <set>
#include <sstream>

namespace {

const unsigned kMaxResourceId = 0xFFFF;
const unsigned kMaxLanguageId = 0xFFFF;

bool ParseUnsigned(const std::string& word, unsigned limit, unsigned* value) {
    if (word.empty() || word.size() > 5) return false;
    unsigned v = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    if (v > limit) return false;
    *value = v;
    return true;
}

bool ParseFlag(const std::string& word, bool* flag) {
    if (word != "0" && word != "1") return false;
    *flag = word == "1";
    return true;
}

bool ParseRole(const std::string& word, PayloadRole* role) {
    if (word == "install") *role = PayloadRole::Install;
    else if (word == "speech") *role = PayloadRole::Speech;
    else return false;
    return true;
}

// A file name goes into a resource script and into C++ source, and ends up
// in a Windows path: refuse anything that could break out of either.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name.size() > 100) return false;
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F) return false;
        if (c == '"' || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '<' ||
            c == '>' || c == '|')
            return false;
    }
    return name != "." && name != "..";
}

bool ParseLine(const std::string& line, PayloadListEntry* entry, std::string* why) {
    std::istringstream in(line);
    std::string id, name, ro, hidden, lang, role, extra;
    if (!(in >> id >> name >> ro >> hidden >> lang >> role)) {
        *why = "expected six columns";
        return false;
    }
    if (in >> extra) {
        *why = "more than six columns";
        return false;
    }
    if (!ParseUnsigned(id, kMaxResourceId, &entry->resourceId) || entry->resourceId == 0) {
        *why = "bad resource id";
        return false;
    }
    if (!IsPlainFileName(name)) {
        *why = "bad file name";
        return false;
    }
    entry->fileName = name;
    if (!ParseFlag(ro, &entry->readOnly) || !ParseFlag(hidden, &entry->hidden)) {
        *why = "read-only and hidden must be 0 or 1";
        return false;
    }
    if (!ParseUnsigned(lang, kMaxLanguageId, &entry->language)) {
        *why = "bad language id";
        return false;
    }
    if (!ParseRole(role, &entry->role)) {
        *why = "role must be install or speech";
        return false;
    }
    return true;
}

bool IsSkipped(const std::string& line) {
    size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

}  // namespace

bool ParsePayloadList(const std::string& text, std::vector<PayloadListEntry>* entries,
                      std::string* error) {
    entries->clear();
    std::istringstream in(text);
    std::string line;
    std::set<unsigned> ids;
    std::set<std::string> names;
    int speechCount = 0;
    for (int number = 1; std::getline(in, line); ++number) {
        if (IsSkipped(line)) continue;
        PayloadListEntry entry;
        std::string why;
        if (!ParseLine(line, &entry, &why)) {
            *error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        if (!ids.insert(entry.resourceId).second || !names.insert(entry.fileName).second) {
            *error = "line " + std::to_string(number) + ": duplicate id or file name";
            return false;
        }
        if (entry.role == PayloadRole::Speech) ++speechCount;
        entries->push_back(entry);
    }
    if (speechCount != 1) {
        *error = "the list needs exactly one speech entry";
        return false;
    }
    return true;
}
