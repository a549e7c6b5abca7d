#pragma once

#include <functional>
#include <string>

// The file calls of the program's stores, each of which a test may make fail
// the way a network share does for a moment (EIO, ESTALE, EACCES), to show
// that no such failure is ever taken for "no file yet".
enum class FileCall { Check, Open, Read, Write, Rename, Lock, Scan, MakeFolder };

// What a lock call answers when a test has it pretend to lock without
// excluding anybody, as some network file systems do.
constexpr int kLockWithoutExcluding = -1;

// The error number a test wants the call on path to fail with; 0 lets it run.
int InjectedFileFault(FileCall call, const std::string& path);

// Makes file calls fail as fault says for the object's lifetime.
class CScopedFileFault {
public:
    using Fault = std::function<int(FileCall call, const std::string& path)>;
    explicit CScopedFileFault(Fault fault);
    ~CScopedFileFault();
    CScopedFileFault(const CScopedFileFault&) = delete;
    CScopedFileFault& operator=(const CScopedFileFault&) = delete;

private:
    Fault m_previous;
};
