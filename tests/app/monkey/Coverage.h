#pragma once

#include <map>
#include <set>
#include <string>

namespace quil::test {

// How far the monkey got: which screens it saw, what it clicked, which keys
// reached a control with the focus, and so on. Names are "Form.Control", or
// the form's name alone for the form itself.
struct Coverage {
  long events = 0;
  int runs = 0;
  double virtualSeconds = 0;
  std::set<std::string> frontForms;
  // Controls that were shown on screen and took the pointer at some moment.
  std::set<std::string> offered;
  std::set<std::string> clicked;
  // "Form.Control key" for each key released while that control had the focus.
  std::set<std::string> focusedKeys;
  std::map<std::string, int> answeredBoxes;  // by title
  std::set<int> pages;                       // the home menu's page at rest
  double panelLowest = 1e9;                  // the music panel's smallest and largest Top
  double panelHighest = -1e9;

  // Offered controls that were never clicked.
  std::set<std::string> NeverClicked() const;
  std::string Summary() const;
};

}  // namespace quil::test
