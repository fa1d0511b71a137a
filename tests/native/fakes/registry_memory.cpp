#include "registry_memory.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

// Key names here are ASCII; folding ASCII letters is all the matching needs.
char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool Equal_No_Case(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Fold(x) == Fold(y); });
}

// An empty part (a doubled, leading or trailing '\') makes the path invalid,
// as the system rejects it; the result is then empty.
std::vector<std::string> Split_Path(const std::string& key) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = key.find('\\', start);
    std::string part = key.substr(start, end == std::string::npos ? end : end - start);
    if (part.empty()) return {};
    parts.push_back(std::move(part));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

bool Memory_Registry::Less_No_Case::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

Memory_Registry::Memory_Registry() : root_(std::make_unique<Node>()) {}
Memory_Registry::~Memory_Registry() = default;

const Memory_Registry::Node* Memory_Registry::Find(const std::string& key) const {
  const auto parts = Split_Path(key);
  if (parts.empty()) return nullptr;
  const Node* node = root_.get();
  for (const auto& part : parts) {
    const auto it = node->subkeys.find(part);
    if (it == node->subkeys.end()) return nullptr;
    node = it->second.get();
  }
  return node;
}

Memory_Registry::Node* Memory_Registry::Find(const std::string& key) {
  return const_cast<Node*>(std::as_const(*this).Find(key));
}

Memory_Registry::Node* Memory_Registry::Find_Or_Create(const std::string& key) {
  const auto parts = Split_Path(key);
  if (parts.empty()) return nullptr;
  Node* node = root_.get();
  for (const auto& part : parts) {
    auto& child = node->subkeys[part];
    if (!child) child = std::make_unique<Node>();
    node = child.get();
  }
  return node;
}

bool Memory_Registry::Denied(const std::string& key) const {
  for (const auto& prefix : denied_) {
    if (key.size() < prefix.size()) continue;
    if (!Equal_No_Case(key.substr(0, prefix.size()), prefix)) continue;
    if (key.size() == prefix.size() || key[prefix.size()] == '\\') return true;
  }
  return false;
}

bool Memory_Registry::Key_Exists(const std::string& key) const { return Find(key) != nullptr; }

std::optional<std::string> Memory_Registry::Read_String(const std::string& key,
                                                        const std::string& name) const {
  const Node* node = Find(key);
  if (!node) return std::nullopt;
  const auto it = node->values.find(name);
  if (it == node->values.end()) return std::nullopt;
  if (const auto* text = std::get_if<std::string>(&it->second)) return *text;
  return std::nullopt;
}

std::optional<uint32_t> Memory_Registry::Read_Dword(const std::string& key, const std::string& name) const {
  const Node* node = Find(key);
  if (!node) return std::nullopt;
  const auto it = node->values.find(name);
  if (it == node->values.end()) return std::nullopt;
  if (const auto* number = std::get_if<uint32_t>(&it->second)) return *number;
  return std::nullopt;
}

bool Memory_Registry::Write_Value(const std::string& key, const std::string& name, Value value) {
  ++change_count_;
  if (Denied(key)) return false;
  Node* node = Find_Or_Create(key);
  if (!node) return false;
  node->values[name] = std::move(value);
  return true;
}

bool Memory_Registry::Write_String(const std::string& key, const std::string& name,
                                   const std::string& value) {
  return Write_Value(key, name, value);
}

bool Memory_Registry::Write_Dword(const std::string& key, const std::string& name, uint32_t value) {
  return Write_Value(key, name, value);
}

bool Memory_Registry::Delete_Value(const std::string& key, const std::string& name) {
  ++change_count_;
  if (Denied(key)) return false;
  Node* node = Find(key);
  if (!node) return true;
  node->values.erase(name);
  return true;
}

bool Memory_Registry::Delete_Key(const std::string& key) {
  ++change_count_;
  if (Denied(key)) return false;
  const auto parts = Split_Path(key);
  if (parts.empty()) return false;
  const size_t cut = key.rfind('\\');
  Node* parent = cut == std::string::npos ? root_.get() : Find(key.substr(0, cut));
  if (!parent) return true;
  parent->subkeys.erase(parts.back());
  return true;
}

bool Memory_Registry::Has_Values(const std::string& key) const {
  const Node* node = Find(key);
  return node && !node->values.empty();
}

bool Memory_Registry::Has_Subkeys(const std::string& key) const {
  const Node* node = Find(key);
  return node && !node->subkeys.empty();
}

void Memory_Registry::Deny_Changes_Under(const std::string& key) { denied_.push_back(key); }

void Memory_Registry::Collect(const Node& node, const std::string& path, std::vector<std::string>& out) {
  for (const auto& [name, child] : node.subkeys) {
    const std::string full = path.empty() ? name : path + "\\" + name;
    out.push_back(full);
    Collect(*child, full, out);
  }
}

std::vector<std::string> Memory_Registry::All_Keys() const {
  std::vector<std::string> out;
  Collect(*root_, "", out);
  return out;
}
