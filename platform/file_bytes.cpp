#include "platform/file_bytes.h"

#include <cstring>
#include <utility>

bool File_Bytes::Copy(std::size_t at, std::size_t size, char* out) const {
  std::memcpy(out, View().data() + at, size);
  return true;
}

namespace {

class Held_File_Bytes : public File_Bytes {
 public:
  explicit Held_File_Bytes(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string_view View() const override { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace

Shared_File_Bytes Hold_File_Bytes(std::string bytes) {
  return std::make_shared<Held_File_Bytes>(std::move(bytes));
}
