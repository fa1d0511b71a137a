// The radio items of "Сохранять в кодировке" and "Концы строк": the
// document's encoding and line ends checked, and a choice made those of the
// next save; and "Перечитать в кодировке", which reads the file again.
#include <iterator>

#include "common/command_ids.h"
#include "documents/encoding_choice.h"
#include "documents/win32/document_host.h"

namespace {

constexpr int kEncoding_Count = int(std::size(kFile_Encodings));

int Item_Of(File_Encoding encoding) {
  for (int i = 0; i < kEncoding_Count; ++i)
    if (kFile_Encodings[i] == encoding) return IDM_Encoding_First + i;
  return IDM_Encoding_First;
}

}  // namespace

void Document_Commands::Register_Encoding_Commands(Command_Table& table) {
  Document_Host* h = &host_;
  for (int i = 0; i < kEncoding_Count; ++i) {
    const File_Encoding encoding = kFile_Encodings[i];
    table.Add(IDM_Encoding_First + i, [h, encoding] {
      With_Document_Session(*h, [encoding](Document_Session& s) { Choose_Encoding(s, encoding); });
    });
  }
  table.Add_Opening(IDM_Encoding_Win, [h](HMENU menu) {
    CheckMenuRadioItem(menu, IDM_Encoding_First, IDM_Encoding_First + kEncoding_Count - 1,
                       Item_Of(h->Doc.Encoding), MF_BYCOMMAND);
  });
  for (int i = 0; i < int(std::size(kReread_Encodings)); ++i) {
    const File_Encoding encoding = kReread_Encodings[i];
    table.Add(IDM_Reread_First + i, [h, encoding] {
      With_Document_Session(*h, [encoding](Document_Session& s) { Reread_In_Encoding(s, encoding); });
    });
  }
  // A document without a file has nothing to read again.
  table.Add_Opening(IDM_Reread_Win, [h](HMENU menu) {
    for (int i = 0; i < int(std::size(kReread_Encodings)); ++i)
      EnableMenuItem(menu, UINT(IDM_Reread_First + i),
                     MF_BYCOMMAND | (h->Doc.Untitled() ? MF_GRAYED : MF_ENABLED));
  });
  for (const Line_End ends : {Line_End::Cr_Lf, Line_End::Lf, Line_End::Cr}) {
    table.Add(IDM_Line_Ends_First + int(ends), [h, ends] {
      With_Document_Session(*h, [ends](Document_Session& s) { Choose_Line_Ends(s, ends); });
    });
  }
  table.Add_Opening(IDM_Line_Ends_Cr_Lf, [h](HMENU menu) {
    CheckMenuRadioItem(menu, IDM_Line_Ends_Cr_Lf, IDM_Line_Ends_Cr, IDM_Line_Ends_First + int(h->Doc.Ends),
                       MF_BYCOMMAND);
  });
}
