#include "tools/winhelp/context_hash.h"

namespace winhelp {
namespace {

// Weights of the characters allowed in context ids; 0 marks the others.
unsigned weight(char c) {
  if (c >= '1' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c == '0') return 10;
  if (c == '.') return 12;
  if (c == '_') return 13;
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c - 'A') + 17;
  if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a') + 17;
  return 0;
}

}  // namespace

bool is_valid_context_id(const std::string& id) {
  if (id.empty()) return false;
  for (char c : id) {
    if (weight(c) == 0) return false;
  }
  return true;
}

std::int32_t context_hash(const std::string& id) {
  if (id.empty()) return 1;
  std::uint32_t hash = 0;
  for (char c : id) hash = hash * 43u + weight(c);
  return static_cast<std::int32_t>(hash);
}

}  // namespace winhelp
