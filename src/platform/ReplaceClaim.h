// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// A short exclusive claim on replacing a file: a file beside it made with
// O_EXCL, which network shares create atomically even where their record
// locks do not exclude. Writers hold it only while they check that the file
// is still the one they read and rename their new copy over it, so two
// computers can never both replace the same version.
//
// The claim names its holder (computer, process and a number of its own),
// so that a holder removes only its own claim, and can tell before its
// rename whether its claim still stands. A claim is stale when its holder
// runs on this computer and is gone, or when it stayed the same for a few
// seconds of this computer's clock (the server's clock may differ from
// ours); it is taken over only under a second, short claim, and after its
// staleness is checked again there, so two waiters never take one stale
// claim together. Every wait has a bound: throws FileError when the claim
// cannot be had in time, or cannot be made for any other reason.
class CReplaceClaim {
public:
    explicit CReplaceClaim(const std::string& path);
    ~CReplaceClaim();
    CReplaceClaim(const CReplaceClaim&) = delete;
    CReplaceClaim& operator=(const CReplaceClaim&) = delete;

    // True while the claim file is still this holder's: false after a
    // writer that found it stale took it over.
    bool StillHeld() const;

private:
    std::string m_claimPath;
    std::string m_holder;
};
