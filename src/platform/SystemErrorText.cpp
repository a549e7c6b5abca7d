// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemErrorText.h"

#include <cerrno>
#include <string>

std::string SystemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "nie ma takiego pliku ani folderu";
    case EACCES:
    case EPERM:
        return "brak uprawnień";
    case EROFS:
        return "nośnik jest tylko do odczytu";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "brak miejsca na dysku";
    case EIO:
        return "błąd odczytu lub zapisu dysku";
    case ENOTDIR:
        return "część ścieżki nie jest folderem";
    case EISDIR:
        return "to jest folder, a nie plik";
    case EEXIST:
        return "taka nazwa już istnieje";
    case ENAMETOOLONG:
        return "nazwa jest za długa";
    case EBUSY:
    case ETXTBSY:
        return "plik jest zajęty przez inny program lub komputer";
    case ESTALE:
        return "udział sieciowy stracił ten plik (spróbuj ponownie)";
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case ENETDOWN:
    case ECONNRESET:
    case ECONNABORTED:
    case ENOTCONN:
        return "serwer z udziałem sieciowym nie odpowiada";
    case EAGAIN:
    case EINTR:
        return "system przerwał działanie (spróbuj ponownie)";
    case ENOLCK:
        return "nie można zablokować pliku";
    case EMFILE:
    case ENFILE:
        return "otwarto zbyt wiele plików";
    case ENOMEM:
        return "brak pamięci";
    case ELOOP:
        return "za dużo dowiązań symbolicznych w ścieżce";
    case ENOTEMPTY:
        return "folder nie jest pusty";
    case EXDEV:
        return "nie można przenieść pliku na inny dysk";
    case EOPNOTSUPP:
        return "ten system plików tego nie umożliwia";
    case EINVAL:
        return "nieprawidłowa nazwa lub operacja";
    default:
        return "błąd systemu nr " + std::to_string(error);
    }
}
