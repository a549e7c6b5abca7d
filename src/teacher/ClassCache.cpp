// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassCache.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"

#include <sodium.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// The file: the magic, the format's version (4 bytes) and a 16-byte BLAKE2b
// digest of the body; the body is the program's version, the pupils
// folder's path, and then each pupil to the end: the name, the stamps of
// stat.dat, klawisze.dat and the folder, the runs, the last run, the weak
// keys, and each lesson the pupil ran with its cell. Numbers are
// little-endian, texts have the archive's length prefixes.

namespace {

constexpr std::string_view kMagic{"TASTRUM-KLASA\x1A", 14};
constexpr uint32_t kFormatVersion = 1;
constexpr size_t kDigestBytes = 16;
constexpr size_t kHeaderBytes = kMagic.size() + sizeof kFormatVersion + kDigestBytes;
// Of the digest of the pupils folder's path, this much names the file.
constexpr size_t kNameHashBytes = 8;

std::string Digest(std::string_view bytes) {
    std::string digest(kDigestBytes, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(digest.data()), digest.size(),
                       reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), nullptr,
                       0);
    return digest;
}

// What follows the magic: a file of another layout has another version, and
// a damaged file another digest.
std::string VersionAndDigest(std::string_view body) {
    CArchiveWriter writer;
    writer.WriteUInt32(kFormatVersion);
    return writer.TakeBytes() + Digest(body);
}

void WriteStamp(CArchiveWriter& out, const FileStamp& stamp) {
    out.WriteByte(stamp.exists ? 1 : 0);
    out.WriteUInt64(stamp.device);
    out.WriteUInt64(stamp.inode);
    out.WriteUInt64(stamp.size);
    out.WriteUInt64(static_cast<uint64_t>(stamp.modifiedNs));
}

FileStamp ReadStamp(CArchiveReader& in) {
    FileStamp stamp;
    stamp.exists = in.ReadByte() != 0;
    stamp.device = in.ReadUInt64();
    stamp.inode = in.ReadUInt64();
    stamp.size = in.ReadUInt64();
    stamp.modifiedNs = static_cast<int64_t>(in.ReadUInt64());
    return stamp;
}

void WriteDate(CArchiveWriter& out, const COleDateTime& date) {
    out.WriteInt32(date.GetStatus());
    out.WriteDouble(date.Value());
}

COleDateTime ReadDate(CArchiveReader& in) {
    const auto status = static_cast<COleDateTime::Status>(in.ReadInt32());
    return {in.ReadDouble(), status};
}

void WriteCell(CArchiveWriter& out, const LessonCell& cell) {
    out.WriteInt32(cell.bestGrade);
    out.WriteInt32(cell.runs);
    out.WriteInt32(cell.endedEarly);
    out.WriteDouble(cell.bestSpeed);
    WriteDate(out, cell.lastRun);
}

LessonCell ReadCell(CArchiveReader& in) {
    LessonCell cell;
    cell.bestGrade = in.ReadInt32();
    cell.runs = in.ReadInt32();
    cell.endedEarly = in.ReadInt32();
    cell.bestSpeed = in.ReadDouble();
    cell.lastRun = ReadDate(in);
    return cell;
}

void WritePupil(CArchiveWriter& out, const std::string& pupil, const CachedPupil& cached) {
    out.WriteString(pupil);
    WriteStamp(out, cached.stamp.runs);
    WriteStamp(out, cached.stamp.keys);
    WriteStamp(out, cached.stamp.folder);
    const PupilSummary& summary = cached.summary;
    out.WriteInt32(summary.runs);
    WriteDate(out, summary.lastRun);
    out.WriteString(summary.weakKeys);
    out.WriteUInt32(static_cast<uint32_t>(summary.lessons.size()));
    for (const auto& [lesson, cell] : summary.lessons) {
        out.WriteString(lesson);
        WriteCell(out, cell);
    }
}

CachedPupil ReadPupil(CArchiveReader& in) {
    CachedPupil cached;
    cached.stamp.runs = ReadStamp(in);
    cached.stamp.keys = ReadStamp(in);
    cached.stamp.folder = ReadStamp(in);
    PupilSummary& summary = cached.summary;
    summary.runs = in.ReadInt32();
    summary.lastRun = ReadDate(in);
    summary.weakKeys = in.ReadString();
    for (uint32_t lessons = in.ReadUInt32(); lessons > 0; --lessons) {
        std::string lesson = in.ReadString();
        summary.lessons[std::move(lesson)] = ReadCell(in);
    }
    return cached;
}

// Throws FileError where the body is cut short.
CachedClass DecodeClassCache(std::string_view bytes, const std::string& path,
                             const PupilsFolder& folder) {
    if (bytes.size() < kHeaderBytes || !bytes.starts_with(kMagic))
        return {};
    const std::string_view body = bytes.substr(kHeaderBytes);
    if (bytes.substr(kMagic.size(), kHeaderBytes - kMagic.size()) != VersionAndDigest(body))
        return {};
    CArchiveReader in(body, path);
    // Summaries hold grades and weak keys as this program judges them.
    if (in.ReadString() != TASTRUM_VERSION || in.ReadString() != folder.path)
        return {};
    CachedClass pupils;
    while (in.Remaining() > 0) {
        std::string pupil = in.ReadString();
        pupils[std::move(pupil)] = ReadPupil(in);
    }
    return pupils;
}

// The summaries are the teacher's alone: the folder is its owner's only.
bool MakePrivateFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder.parent_path(), error);
    if (std::filesystem::create_directory(folder, error))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    return std::filesystem::is_directory(folder, error);
}

} // namespace

std::string ClassCachePath(const PupilsFolder& pupils) {
    const std::string folder = UserCacheFolder();
    if (folder.empty() || sodium_init() < 0)
        return {};
    const std::string digest = Digest(pupils.path);
    char hex[2 * kNameHashBytes + 1];
    sodium_bin2hex(hex, sizeof hex, reinterpret_cast<const unsigned char*>(digest.data()),
                   kNameHashBytes);
    return folder + "/klasa-" + hex + ".dat";
}

CachedClass LoadClassCache(const std::string& path, const PupilsFolder& folder) {
    if (path.empty())
        return {};
    try {
        const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxClassCacheBytes);
        return bytes ? DecodeClassCache(*bytes, path, folder) : CachedClass{};
    } catch (const FileError&) {
        return {};
    }
}

void SaveClassCache(const std::string& path, const PupilsFolder& folder,
                    const CachedClass& pupils) {
    if (path.empty() || !MakePrivateFolder(std::filesystem::path(path).parent_path()))
        return;
    CArchiveWriter out;
    out.WriteString(TASTRUM_VERSION);
    out.WriteString(folder.path);
    std::string body = out.TakeBytes();
    for (const auto& [pupil, cached] : pupils) {
        WritePupil(out, pupil, cached);
        const std::string entry = out.TakeBytes();
        if (kHeaderBytes + body.size() + entry.size() <= kMaxClassCacheBytes)
            body += entry;
    }
    try {
        WriteFileAtomically(path, std::string(kMagic) + VersionAndDigest(body) + body);
    } catch (const FileError&) {
        // Read from the pupils' files next time.
    }
}
