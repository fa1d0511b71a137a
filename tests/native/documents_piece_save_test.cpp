// Saving a document in pieces: the file is the same as a save in one piece,
// and a failure half-way leaves the old file.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <string>
#include <thread>

#include "documents/document_files.h"
#include "documents/piece_writer.h"
#include "common/line_ends.h"
#include "fakes/documents_fakes.h"

namespace {

std::string Lines(size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += "\xF1\xF2\xF0\xEE\xEA\xE0 " + std::to_string(i) + '\r';
  return text;
}

TEST(DocumentsPieceSave, PiecesMakeTheSameFileAsOneWhole) {
  Document_Fixture f;
  f.edit.text = Lines(500) + std::string("\0tail", 5);
  f.text.piece_size = 7;  // cuts lines, and some CRs from nothing
  ASSERT_EQ(Save_Result::Saved, Save_Document(f.text, f.disk, "C:\\Docs\\a.txt"));
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], Working_Text_To_Disk(f.edit.text));
  EXPECT_EQ(f.disk.appends.size(), f.text.pieces_taken);
  EXPECT_GT(f.text.pieces_taken, 100u);
}

TEST(DocumentsPieceSave, AnEmptyDocumentMakesAnEmptyFile) {
  Document_Fixture f;
  f.disk.files["C:\\Docs\\a.txt"] = "old";
  f.text.piece_size = 4;
  ASSERT_EQ(Save_Result::Saved, Save_Document(f.text, f.disk, "C:\\Docs\\a.txt"));
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "");
}

TEST(DocumentsPieceSave, AFullDiskLeavesTheOldFileAndStopsReading) {
  Document_Fixture f;
  f.disk.files["C:\\Docs\\a.txt"] = "old";
  f.edit.text = Lines(2000);
  f.text.piece_size = 10;
  f.disk.room = 100;
  EXPECT_EQ(Save_Result::Failed, Save_Document(f.text, f.disk, "C:\\Docs\\a.txt"));
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "old");
  EXPECT_TRUE(f.disk.written.empty());
  // The few pieces that were waiting are read, not the other thousands.
  EXPECT_LT(f.text.pieces_taken, 100u);
}

TEST(DocumentsPieceSave, PiecesThatComeShortAreReplacedByTheWholeText) {
  Document_Fixture f;
  f.edit.text = Lines(50);
  f.text.piece_size = 16;
  f.text.short_pieces = true;
  ASSERT_EQ(Save_Result::Saved, Save_Document(f.text, f.disk, "C:\\Docs\\a.txt"));
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], Working_Text_To_Disk(f.edit.text));
  EXPECT_EQ(f.disk.written.size(), 1u);
}

TEST(DocumentsPieceSave, RunningOutOfMemoryFailsTheSaveAndKeepsTheFile) {
  Document_Fixture f;
  f.disk.files["C:\\Docs\\a.txt"] = "old";
  f.edit.text = "new";
  f.text.out_of_memory = true;
  EXPECT_EQ(Save_Result::Failed, Save_Document(f.text, f.disk, "C:\\Docs\\a.txt"));
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "old");
}

// A sink that records what it got.
class Recording_Sink : public File_Sink {
 public:
  std::string bytes;
  bool Append(const char* data, size_t size) override {
    bytes.append(data, size);
    return true;
  }
  bool Commit() override { return true; }
};

TEST(DocumentsPieceWriter, ConvertsOnItsOwnThreadInOrder) {
  Recording_Sink sink;
  const auto caller = std::this_thread::get_id();
  std::atomic<int> on_caller{0};
  {
    Piece_Writer writer(sink, Line_End::Cr_Lf, 2);
    for (int i = 0; i < 50; ++i)
      ASSERT_TRUE(writer.Post([&, i] {
        if (std::this_thread::get_id() == caller) ++on_caller;
        return std::to_string(i) + "\r";
      }));
    EXPECT_TRUE(writer.Finish());
  }
  std::string expected;
  for (int i = 0; i < 50; ++i) expected += std::to_string(i) + "\r\n";
  EXPECT_EQ(sink.bytes, expected);
  EXPECT_EQ(on_caller, 0);
}

TEST(DocumentsPieceWriter, AConversionThatRunsOutOfMemoryFailsTheSave) {
  Recording_Sink sink;
  Piece_Writer writer(sink);
  writer.Post([] { return std::string("a"); });
  writer.Post([]() -> std::string { throw std::bad_alloc(); });
  EXPECT_FALSE(writer.Finish());
  EXPECT_FALSE(writer.Post([] { return std::string("b"); }));
  EXPECT_EQ(sink.bytes, "a");
}

}  // namespace
