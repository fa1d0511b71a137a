// Hash values of context ids: the |CONTEXT tree and topic jumps refer to a
// topic by the hash of its context id, not by the id itself.
#pragma once

#include <cstdint>
#include <string>

namespace winhelp {

// Context ids of this format use letters, digits, '_' and '.' only.
bool is_valid_context_id(const std::string& id);

// hash = hash * 43 + weight(c) over the id, in 32-bit wrap-around arithmetic;
// letters weigh the same in either case. The empty id hashes to 1.
std::int32_t context_hash(const std::string& id);

}  // namespace winhelp
