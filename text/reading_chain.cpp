#include "text/reading_chain.h"

#include <cmath>

#include "text/letter_bigrams.h"
#include "text/letter_model.h"
#include "text/page_detector.h"

namespace {

// The pages a wrong reading is tried in, the likeliest first: ties go to it.
constexpr Text_Page Reading_Pages[] = {Page_WIN, Page_KOI,   Page_DOS,    Page_MAC,
                                       Page_ISO, Page_KOI8U, Page_CP1125, Page_IBM855};
constexpr Text_Page Written_Pages[] = {Page_UTF8, Page_WIN,   Page_KOI,    Page_DOS,   Page_MAC,
                                       Page_ISO,  Page_KOI8U, Page_CP1125, Page_IBM855};

// How much likelier, as a natural logarithm of the odds, the text read back
// must be, before the letter model's overstatement: better than a thousand
// to one.
constexpr double Least_Gain = 6.9;

struct Step {
  Wrong_Reading reading;
  std::string text;
  Text_Score score;
  double confidence = 1;
};

bool Plausible(const Text_Score& score) {
  return score.letters > 0 && score.odd_in_words == 0 && Letters_Follow_The_Language(score);
}

// Bytes that are valid UTF-8 with Cyrillic in it are UTF-8: no 8-bit text
// passes for that by chance. A text garbled twice through UTF-8 reads back
// once as a text that is still garbled, and may score no better than other
// readings of the same bytes.
bool Is_Cyrillic_Utf8(std::string_view bytes) {
  bool cyrillic = false;
  for (std::size_t at = 0; at < bytes.size();) {
    const long code = Decode_Utf8(bytes, &at);
    if (code < 0) return false;
    cyrillic = cyrillic || (code >= 0x0400 && code <= 0x04FF);
  }
  return cyrillic;
}

// The best single reading back of text, whether or not it is likelier; one
// that reads back as UTF-8 goes before any other. Its confidence is the share
// it takes of the readings of its kind, as the detector counts it, and no
// more than slight evidence allows when that is all it differs in from the
// likeliest other text.
std::optional<Step> Best_Step(std::string_view text, double overconfidence) {
  std::vector<Step> steps;
  bool utf8 = false;
  for (const Text_Page read_as : Reading_Pages) {
    const Exact_Conversion bytes = Convert_Exact(text, Page_UTF8, read_as);
    if (bytes.missing > 0 || bytes.invalid > 0 || bytes.text == text) continue;  // not its reading
    if (Is_Cyrillic_Utf8(bytes.text)) {
      if (!utf8) steps.clear();
      utf8 = true;
      steps.push_back({{Page_UTF8, read_as}, bytes.text, Score_Utf8_Text(bytes.text)});
      continue;
    }
    for (const Text_Page written : Written_Pages) {
      if (utf8 || written == read_as || written == Page_UTF8) continue;
      std::string read = Convert_Exact(bytes.text, written, Page_UTF8).text;
      steps.push_back({{written, read_as}, read, Score_Utf8_Text(read)});
    }
  }
  if (steps.empty()) return std::nullopt;
  std::size_t best = 0;
  for (std::size_t i = 1; i < steps.size(); ++i)
    if (steps[i].score.score > steps[best].score.score) best = i;
  double total = 0, same = 0, rival_share = 0;
  const Step* rival = nullptr;
  for (const Step& step : steps) {
    const double share = std::exp(static_cast<double>(step.score.score - steps[best].score.score) /
                                  (Score_Scale * overconfidence));
    total += share;
    if (step.text == steps[best].text) {
      same += share;
    } else if (share > rival_share) {
      rival = &step;
      rival_share = share;
    }
  }
  steps[best].confidence = same / total;
  if (rival && Differ_Only_Slightly(steps[best].text, rival->text))
    steps[best].confidence = std::fmin(steps[best].confidence, Slight_Evidence_Confidence);
  return std::move(steps[best]);
}

}  // namespace

// Each reading undone must make the text clearly likelier, but for one that
// reads back as UTF-8, which need only lead to a text that is. One that
// changes only letters standing alone or starting sentences is no clear
// evidence, whatever the model makes of it: such odds are not trusted that
// far.
std::optional<Reading_Chain> Find_Reading_Chain(std::string_view utf8, double overconfidence) {
  std::vector<Wrong_Reading> readings;
  std::string text(utf8), last_sure;
  std::vector<Wrong_Reading> sure;
  const Text_Score start = Score_Utf8_Text(text);
  Text_Score score = start, sure_score = start;
  double confidence = 1, sure_confidence = 1;
  for (std::size_t undone = 0; undone < Most_Wrong_Readings; ++undone) {
    std::optional<Step> step = Best_Step(text, overconfidence);
    if (!step || step->score.score <= score.score) break;
    const bool slight = Differ_Only_Slightly(text, step->text);
    readings.insert(readings.begin(), step->reading);
    text = std::move(step->text);
    score = step->score;
    confidence *= step->confidence;
    const double gain = static_cast<double>(score.score - sure_score.score) / (Score_Scale * overconfidence);
    if (Plausible(score) && !slight && gain >= Least_Gain) {
      sure = readings;
      last_sure = text;
      sure_score = score;
      sure_confidence = confidence;
    } else if (step->reading.written != Page_UTF8) {
      break;
    }
  }
  if (sure.empty()) return std::nullopt;
  return Reading_Chain{sure, last_sure, sure_confidence};
}

std::string Chain_Name(const std::vector<Wrong_Reading>& readings) {
  std::string name;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    if (i == 0) {
      name = Text_Page_Name(readings[i].written);
    } else if (readings[i].written != Page_UTF8) {
      name += " as ";
      name += Text_Page_Name(readings[i].written);
    }
    name += " via ";
    name += Text_Page_Name(readings[i].read_as);
  }
  return name;
}

Readings_Undoer::Readings_Undoer(Text_Page stored, const std::vector<Wrong_Reading>& readings, Text_Page to) {
  // Each reading undone is one conversion: the text as it was read, written
  // back in the page it was read as, stands as bytes of the page it was
  // written in.
  Text_Page page = stored;
  for (auto reading = readings.rbegin(); reading != readings.rend(); ++reading) {
    steps_.emplace_back(page, reading->read_as);
    page = reading->written;
  }
  steps_.emplace_back(page, to);
}

void Readings_Undoer::Pass(std::size_t from, std::string_view piece, bool finish, std::string* out) {
  if (from + 1 == steps_.size()) {
    steps_[from].Convert(piece, out);
    if (finish) steps_[from].Finish(out);
    return;
  }
  std::string between;
  steps_[from].Convert(piece, &between);
  if (finish) steps_[from].Finish(&between);
  Pass(from + 1, between, finish, out);
}

void Readings_Undoer::Convert(std::string_view piece, std::string* out) { Pass(0, piece, false, out); }

void Readings_Undoer::Finish(std::string* out) { Pass(0, {}, true, out); }

Exact_Conversion Readings_Undoer::Report() const {
  Exact_Conversion total;
  for (const Exact_Converter& step : steps_) {
    const Exact_Conversion& report = step.Report();
    if (total.missing == 0 && report.missing > 0) {
      total.first_missing = report.first_missing;
      total.first_missing_at = report.first_missing_at;
    }
    if (total.invalid == 0 && report.invalid > 0) total.first_invalid_at = report.first_invalid_at;
    total.missing += report.missing;
    total.invalid += report.invalid;
  }
  return total;
}

Exact_Conversion Undo_Readings(std::string_view bytes, Text_Page stored,
                               const std::vector<Wrong_Reading>& readings, Text_Page to) {
  Readings_Undoer undoer(stored, readings, to);
  std::string text;
  undoer.Convert(bytes, &text);
  undoer.Finish(&text);
  Exact_Conversion result = undoer.Report();
  result.text = std::move(text);
  return result;
}
