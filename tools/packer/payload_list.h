// Reading the payload list (resources/payload.list): one line per carried
// file. Platform-free; used by the packer and its tests.
#ifndef LQ_TOOLS_PAYLOAD_LIST_H
#define LQ_TOOLS_PAYLOAD_LIST_H

#include <string>
#include <vector>

enum class PayloadRole { Install, Speech };

struct PayloadListEntry {
    unsigned resourceId = 0;
    std::string fileName;
    bool readOnly = false;
    bool hidden = false;
    unsigned language = 0;  // Windows language id of the resource; 0 neutral
    PayloadRole role = PayloadRole::Install;
};

// Parses the list text. Blank lines and lines starting with '#' are skipped.
// On the first malformed line returns false and describes it in *error
// ("line N: ..."); duplicate ids or file names, a second speech entry and a
// missing speech entry are errors too.
bool ParsePayloadList(const std::string& text, std::vector<PayloadListEntry>* entries,
                      std::string* error);

#endif
