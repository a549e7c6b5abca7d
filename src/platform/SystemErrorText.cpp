#include "platform/SystemErrorText.h"

#include <cerrno>
#include <cstring>

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
    default:
        return std::strerror(error);
    }
}
