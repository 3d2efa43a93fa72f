#include "setup/owner_only_folder.h"

#include <windows.h>

#include <cstdlib>

namespace {

// The rights each of the two gets, and how they reach what is inside.
const DWORD kFullAccess = FILE_ALL_ACCESS;
const DWORD kInherited = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
const int kEntries = 2;

// The calls, typed as the system headers declare them; null where missing.
struct SecurityCalls {
    decltype(OpenProcessToken)* openToken;
    decltype(GetTokenInformation)* tokenInformation;
    decltype(AllocateAndInitializeSid)* allocateSid;
    decltype(FreeSid)* freeSid;
    decltype(GetLengthSid)* lengthSid;
    decltype(InitializeAcl)* initializeAcl;
    decltype(AddAccessAllowedAceEx)* addInheritedEntry;  // Windows 2000 on
    decltype(AddAccessAllowedAce)* addEntry;
    decltype(InitializeSecurityDescriptor)* initializeDescriptor;
    decltype(SetSecurityDescriptorDacl)* setDacl;
    decltype(SetSecurityDescriptorControl)* setControl;  // Windows 2000 on
};

template <typename Call>
void Find(HMODULE advapi, const char* name, Call** call) {
    *call = reinterpret_cast<Call*>(reinterpret_cast<void*>(GetProcAddress(advapi, name)));
}

// All of them but the two of Windows 2000, which older NT does without (it
// inherits nothing into an object given a list of its own), or 0.
int FindSecurityCalls(SecurityCalls* calls) {
    // The program imports advapi32: mapped, never loaded here.
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    if (!advapi) return 0;
    Find(advapi, "OpenProcessToken", &calls->openToken);
    Find(advapi, "GetTokenInformation", &calls->tokenInformation);
    Find(advapi, "AllocateAndInitializeSid", &calls->allocateSid);
    Find(advapi, "FreeSid", &calls->freeSid);
    Find(advapi, "GetLengthSid", &calls->lengthSid);
    Find(advapi, "InitializeAcl", &calls->initializeAcl);
    Find(advapi, "AddAccessAllowedAceEx", &calls->addInheritedEntry);
    Find(advapi, "AddAccessAllowedAce", &calls->addEntry);
    Find(advapi, "InitializeSecurityDescriptor", &calls->initializeDescriptor);
    Find(advapi, "SetSecurityDescriptorDacl", &calls->setDacl);
    Find(advapi, "SetSecurityDescriptorControl", &calls->setControl);
    return calls->openToken && calls->tokenInformation && calls->allocateSid && calls->freeSid &&
           calls->lengthSid && calls->initializeAcl && calls->addEntry && calls->initializeDescriptor &&
           calls->setDacl;
}

// The token's owner, copied into owner (a buffer of capacity bytes).
int ReadTokenOwner(const SecurityCalls& calls, void* owner, DWORD capacity) {
    HANDLE token;
    if (!calls.openToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return 0;
    DWORD size = 0;
    const BOOL read = calls.tokenInformation(token, TokenOwner, owner, capacity, &size);
    CloseHandle(token);
    return read ? 1 : 0;
}

// Adds the entry giving sid full access, inherited where the system can.
int AddEntry(const SecurityCalls& calls, ACL* acl, PSID sid) {
    if (calls.addInheritedEntry) return calls.addInheritedEntry(acl, ACL_REVISION, kInherited, kFullAccess, sid);
    return calls.addEntry(acl, ACL_REVISION, kFullAccess, sid);
}

// Builds in acl (capacity bytes) the two entries for owner and system.
int BuildList(const SecurityCalls& calls, PSID owner, PSID system, ACL* acl, DWORD capacity) {
    return calls.initializeAcl(acl, capacity, ACL_REVISION) && AddEntry(calls, acl, owner) &&
           AddEntry(calls, acl, system);
}

// Creates the folder with the descriptor of that list.
int CreateWithList(const SecurityCalls& calls, const char* path, ACL* acl) {
    SECURITY_DESCRIPTOR descriptor;
    if (!calls.initializeDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !calls.setDacl(&descriptor, TRUE, acl, FALSE))
        return 0;
    // Nothing of the temporary folder's entries comes in.
    if (calls.setControl && !calls.setControl(&descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED)) return 0;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
    return CreateDirectoryA(path, &attributes) ? 1 : 0;
}

int CreateProtected(const SecurityCalls& calls, const char* path) {
    union {
        TOKEN_OWNER owner;
        unsigned char bytes[SECURITY_MAX_SID_SIZE + sizeof(TOKEN_OWNER)];
    } owner;
    if (!ReadTokenOwner(calls, &owner, sizeof owner)) return 0;
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID system = nullptr;
    if (!calls.allocateSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &system)) return 0;
    const DWORD capacity = sizeof(ACL) +
                           kEntries * (sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) +
                           calls.lengthSid(owner.owner.Owner) + calls.lengthSid(system);
    ACL* acl = static_cast<ACL*>(std::malloc(capacity));
    const int created = acl && BuildList(calls, owner.owner.Owner, system, acl, capacity) &&
                        CreateWithList(calls, path, acl);
    const DWORD error = GetLastError();
    std::free(acl);
    calls.freeSid(system);
    SetLastError(error);
    return created;
}

}  // namespace

int CreateOwnerOnlyFolder(const char* path, int ntPlatform) {
    if (!ntPlatform) return CreateDirectoryA(path, nullptr) ? 1 : 0;
    SecurityCalls calls;
    if (!FindSecurityCalls(&calls)) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return 0;
    }
    return CreateProtected(calls, path);
}
