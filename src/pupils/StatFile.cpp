// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/StatFile.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/BinaryFile.h"

#include <algorithm>
#include <utility>

namespace {

// The smallest a run can be: a one-byte lesson prefix, the date's status and
// value, two numbers, two empty reserved texts and two reserved numbers.
constexpr size_t kSmallestRun = 1 + 4 + 8 + 8 + 8 + 1 + 1 + 8 + 8;
constexpr size_t kCharEntrySize = 1 + 4;

void WriteRun(CArchiveWriter& out, const StatRecord& run) {
    out.WriteString(run.lesson);
    out.WriteInt32(run.date.GetStatus());
    out.WriteDouble(run.date.Value());
    out.WriteDouble(run.charsPerMinute);
    out.WriteDouble(run.errorPercent);
    out.WriteString(run.reservedText1);
    out.WriteString(run.reservedText2);
    out.WriteDouble(run.reservedValue1);
    out.WriteDouble(run.reservedValue2);
}

COleDateTime ReadDate(CArchiveReader& in) {
    const int32_t status = in.ReadInt32();
    if (status < COleDateTime::valid || status > COleDateTime::null)
        in.Fail("nieznany stan daty (" + std::to_string(status) +
                "): plik jest uszkodzony albo nie jest plikiem statystyk");
    const double value = in.ReadDouble();
    return COleDateTime(value, static_cast<COleDateTime::Status>(status));
}

// Reads into a record kept from the run before, so that a long history is
// gone through without making a text per run.
void ReadRun(CArchiveReader& in, StatRecord& run) {
    in.ReadStringInto(run.lesson);
    run.date = ReadDate(in);
    run.charsPerMinute = in.ReadDouble();
    run.errorPercent = in.ReadDouble();
    in.ReadStringInto(run.reservedText1);
    in.ReadStringInto(run.reservedText2);
    run.reservedValue1 = in.ReadDouble();
    run.reservedValue2 = in.ReadDouble();
}

// Never reserves more than the rest of the file can fill, whatever a
// damaged count says.
size_t ReservableCount(uint32_t count, const CArchiveReader& in, size_t smallestEntry) {
    return std::min<size_t>(count, in.Remaining() / smallestEntry);
}

} // namespace

std::string EncodeStatFile(const CPupilStats& stats) {
    CArchiveWriter out;
    out.Reserve(stats.size() * (kSmallestRun + 16) + stats.m_charErrors.size() * kCharEntrySize);
    out.WriteUInt32(static_cast<uint32_t>(stats.size()));
    for (const StatRecord& run : stats)
        WriteRun(out, run);
    out.WriteUInt32(static_cast<uint32_t>(stats.m_charErrors.size()));
    for (const CharErrorCount& entry : stats.m_charErrors) {
        out.WriteByte(static_cast<uint8_t>(entry.ch));
        out.WriteInt32(entry.count);
    }
    return out.TakeBytes();
}

void DecodeStatFile(std::string_view bytes, const std::string& path, CPupilStats& stats) {
    ReadStatFileRuns(
        bytes, path, [&stats](size_t runs) { stats.reserve(stats.size() + runs); },
        [&stats](StatRecord& run) { stats.push_back(std::move(run)); }, stats.m_charErrors);
}

void ReadStatFileRuns(std::string_view bytes, const std::string& path,
                      const std::function<void(size_t)>& expectRuns,
                      const std::function<void(StatRecord&)>& onRun, CharErrorArray& charErrors) {
    CArchiveReader in(bytes, path);
    const uint32_t runs = in.ReadUInt32();
    expectRuns(ReservableCount(runs, in, kSmallestRun));
    StatRecord run;
    for (uint32_t i = 0; i < runs; ++i) {
        ReadRun(in, run);
        onRun(run);
    }
    const uint32_t chars = in.ReadUInt32();
    charErrors.reserve(charErrors.size() + ReservableCount(chars, in, kCharEntrySize));
    for (uint32_t i = 0; i < chars; ++i) {
        const auto ch = static_cast<char>(in.ReadByte());
        charErrors.push_back({ch, in.ReadInt32()});
    }
    if (in.Remaining() != 0)
        in.Fail("za danymi statystyk stoją jeszcze inne bajty: plik jest uszkodzony albo nie "
                "jest plikiem statystyk");
}

void CPupilStats::Load(const std::string& path) {
    CPupilStats loaded;
    DecodeStatFile(ReadBinaryFile(path, kMaxStatFileBytes), path, loaded);
    *this = std::move(loaded);
}

void CPupilStats::Save(const std::string& path) const {
    WriteFileAtomically(path, EncodeStatFile(*this));
}
