#include "Coverage.h"

#include <sstream>

namespace quil::test {

std::set<std::string> Coverage::NeverClicked() const {
  std::set<std::string> missed;
  for (const std::string& name : offered)
    if (!clicked.contains(name)) missed.insert(name);
  return missed;
}

std::string Coverage::Summary() const {
  std::ostringstream text;
  text << events << " events in " << runs << " runs, " << virtualSeconds / 60 << " virtual minutes; "
       << frontForms.size() << " screens in front; " << offered.size() - NeverClicked().size() << " of "
       << offered.size() << " offered targets clicked; " << focusedKeys.size() << " focused key kinds; pages";
  for (int page : pages) text << ' ' << page;
  int answers = 0;
  for (const auto& [title, count] : answeredBoxes) answers += count;
  text << "; music panel Top " << panelLowest << " to " << panelHighest << "; " << answers
       << " message boxes answered, titled";
  for (const auto& [title, count] : answeredBoxes) text << " \"" << title << "\"";
  return text.str();
}

}  // namespace quil::test
