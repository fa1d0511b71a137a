#include "documents/recovery_copy.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr std::string_view kFirstLine = "Lirovant recovery 1\r\n";
constexpr std::string_view kEndKey = "\r\nEnd=";

uint64_t Checksum(std::string_view bytes) {
  uint64_t hash = 1469598103934665603ull;
  for (const unsigned char b : bytes) hash = (hash ^ b) * 1099511628211ull;
  return hash;
}

std::string Hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

void Put_Line(std::string& out, const char* key, const std::string& value) {
  out += key;
  out += '=';
  out += value;
  out += "\r\n";
}

// A name may hold any character but CR and LF, which a path never does.
std::optional<File_Encoding> Encoding_Named(const std::string& name) {
  for (const File_Encoding e : kFile_Encodings)
    if (name == File_Encoding_Name(e)) return e;
  return std::nullopt;
}

std::optional<Line_End> Line_End_Named(const std::string& name) {
  for (const Line_End e : {Line_End::Cr_Lf, Line_End::Lf, Line_End::Cr})
    if (name == Line_End_Name(e)) return e;
  return std::nullopt;
}

std::optional<unsigned long long> Number(const std::string& text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  unsigned long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + unsigned(c - '0');
  }
  return value;
}

}  // namespace

std::string Recovery_Copy_Bytes(const Recovery_Copy& copy) {
  std::string out(kFirstLine);
  const Document& doc = copy.Doc;
  Put_Line(out, "Name", doc.Name);
  Put_Line(out, "Encoding", File_Encoding_Name(doc.Encoding));
  Put_Line(out, "Ends", Line_End_Name(doc.Ends));
  Put_Line(out, "Mixed", doc.Mixed_Ends ? "1" : "0");
  Put_Line(out, "Partial", doc.Partial ? "1" : "0");
  Put_Line(out, "File_Size", doc.Stamp ? std::to_string(doc.Stamp->Size) : "");
  Put_Line(out, "File_Time", doc.Stamp ? std::to_string(doc.Stamp->Written) : "");
  Put_Line(out, "Caret", std::to_string(copy.Caret < 0 ? 0 : copy.Caret));
  Put_Line(out, "Written", std::to_string(copy.Written));
  Put_Line(out, "Units", std::to_string(copy.Text.size()));
  out += "\r\n";
  const std::size_t text_at = out.size();
  out.resize(text_at + copy.Text.size() * 2);
  char* at = out.data() + text_at;
  for (const wchar_t unit : copy.Text) {
    *at++ = char(unit & 0xFF);
    *at++ = char((unit >> 8) & 0xFF);
  }
  out += kEndKey;
  out += Hex(Checksum(out));
  out += "\r\n";
  return out;
}

std::optional<Recovery_Copy> Read_Recovery_Copy(std::string_view bytes) {
  // The end first: a copy cut short has none, a damaged one the wrong sum.
  constexpr std::size_t kTrailer = kEndKey.size() + 16 + 2;
  if (bytes.size() < kFirstLine.size() + kTrailer || bytes.substr(0, kFirstLine.size()) != kFirstLine)
    return std::nullopt;
  const std::size_t end = bytes.size() - kTrailer;
  if (bytes.substr(end, kEndKey.size()) != kEndKey || bytes.substr(bytes.size() - 2) != "\r\n" ||
      std::string(bytes.substr(end + kEndKey.size(), 16)) !=
          Hex(Checksum(bytes.substr(0, end + kEndKey.size()))))
    return std::nullopt;

  Recovery_Copy copy;
  std::size_t at = kFirstLine.size();
  std::string name, encoding, ends, mixed, partial, size, time, caret, written, units;
  std::string* fields[] = {&name, &encoding, &ends, &mixed, &partial, &size, &time, &caret, &written, &units};
  const char* keys[] = {"Name",      "Encoding",  "Ends",  "Mixed",   "Partial",
                        "File_Size", "File_Time", "Caret", "Written", "Units"};
  for (std::size_t k = 0; k < std::size(keys); ++k) {
    const std::size_t line_end = bytes.find("\r\n", at);
    if (line_end == std::string_view::npos || line_end > end) return std::nullopt;
    const std::string_view line = bytes.substr(at, line_end - at);
    const std::string key = std::string(keys[k]) + "=";
    if (line.substr(0, key.size()) != key) return std::nullopt;
    *fields[k] = std::string(line.substr(key.size()));
    at = line_end + 2;
  }
  if (bytes.substr(at, 2) != "\r\n") return std::nullopt;
  at += 2;
  const auto encoding_found = Encoding_Named(encoding);
  const auto ends_found = Line_End_Named(ends);
  const auto caret_found = Number(caret), written_found = Number(written), units_found = Number(units);
  if (!encoding_found || !ends_found || !caret_found || !written_found || !units_found ||
      *units_found * 2 != end - at || name.empty())
    return std::nullopt;
  copy.Doc.Name = copy.Doc.Title = name;
  copy.Doc.Encoding = *encoding_found;
  copy.Doc.Ends = *ends_found;
  copy.Doc.Mixed_Ends = mixed == "1";
  copy.Doc.Partial = partial == "1";
  const auto size_found = Number(size), time_found = Number(time);
  if (size_found && time_found) copy.Doc.Stamp = File_Stamp{*size_found, *time_found};
  copy.Caret = int32_t(std::min<unsigned long long>(*caret_found, 0x7FFFFFFF));
  copy.Written = *written_found;
  copy.Text.resize(std::size_t(*units_found));
  for (wchar_t& unit : copy.Text) {
    unit = wchar_t(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
    at += 2;
  }
  return copy;
}
