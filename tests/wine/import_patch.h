// Replacing a loaded module's imports in its import address table: the
// module's calls of that function then reach the replacement, until the
// patch goes out of scope and puts the original back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quortest {

// The names of the functions module imports from dll (case-insensitive).
std::vector<std::string> ImportedNames(HMODULE module, const char* dll);

class ImportPatch {
public:
    // Points module's import of function from dll at replacement; throws
    // std::runtime_error when module does not import it.
    ImportPatch(HMODULE module, const char* dll, const char* function, void (*replacement)());
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // The function the import reached before the patch.
    void (*original() const)() { return original_; }

private:
    void (**entry_)();
    void (*original_)();
};

}  // namespace quortest
