#pragma once
// An in-memory registry tree with the system's rules that the bindings rely
// on: case-blind key and value names, keys created with their parents, whole
// subtrees deleted at once. Used where the real registry is out of reach, and
// able to refuse writes below chosen keys the way an access check would.
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/registry.h"

class Memory_Registry : public Registry {
 public:
  Memory_Registry();
  ~Memory_Registry() override;

  bool Key_Exists(const std::string& key) const override;
  std::optional<std::string> Read_String(const std::string& key, const std::string& name) const override;
  std::optional<uint32_t> Read_Dword(const std::string& key, const std::string& name) const override;
  bool Write_String(const std::string& key, const std::string& name, const std::string& value) override;
  bool Write_Dword(const std::string& key, const std::string& name, uint32_t value) override;
  bool Delete_Value(const std::string& key, const std::string& name) override;
  bool Delete_Key(const std::string& key) override;
  bool Has_Values(const std::string& key) const override;
  bool Has_Subkeys(const std::string& key) const override;

  // Every later change at or below this key fails and changes nothing.
  void Deny_Changes_Under(const std::string& key);
  // Calls that tried to change the tree, whether they succeeded or not.
  int Change_Count() const { return change_count_; }
  // Every key's full path, parents before children, in sorted order.
  std::vector<std::string> All_Keys() const;

 private:
  struct Less_No_Case {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  using Value = std::variant<std::string, uint32_t>;
  struct Node {
    std::map<std::string, Value, Less_No_Case> values;
    std::map<std::string, std::unique_ptr<Node>, Less_No_Case> subkeys;
  };

  const Node* Find(const std::string& key) const;
  Node* Find(const std::string& key);
  Node* Find_Or_Create(const std::string& key);
  bool Denied(const std::string& key) const;
  bool Write_Value(const std::string& key, const std::string& name, Value value);
  static void Collect(const Node& node, const std::string& path, std::vector<std::string>& out);

  std::unique_ptr<Node> root_;
  std::vector<std::string> denied_;
  int change_count_ = 0;
};
