#pragma once

#include <string>

// A short exclusive claim on replacing a file, held for the object's
// lifetime: a file beside it made with O_EXCL, which network shares create
// atomically even where their record locks do not exclude. Writers hold it
// only while they check that the file is still the one they read and rename
// their new copy over it, so two computers can never both replace the same
// version and silently drop one's run.
//
// A claim left by a program that died while holding it is taken away once
// it has stayed the same for a few seconds of this computer's clock (the
// server's clock may differ from ours). Throws FileError when the claim
// cannot be made for any other reason.
class CReplaceClaim {
public:
    explicit CReplaceClaim(const std::string& path);
    ~CReplaceClaim();
    CReplaceClaim(const CReplaceClaim&) = delete;
    CReplaceClaim& operator=(const CReplaceClaim&) = delete;

private:
    std::string m_claimPath;
};
