#include "app/ChannelList.h"

#include <algorithm>
#include <string>

#include "catalogue/Catalogue.h"

namespace quil::app {

void ListChannels(const channels::GameCommands& commands, std::ostream& out) {
  std::size_t width = 0;
  for (const catalogue::Game& row : catalogue::kGames) width = std::max(width, std::string(row.title).size());
  for (const catalogue::Game& row : catalogue::kGames) {
    const std::string title = row.title;
    out << title << std::string(width + 2 - title.size(), ' ');
    if (const auto command = commands.find(title); command != commands.end())
      out << command->second.line << "  (in " << command->second.folder << ")\n";
    else
      out << "(only blanks the screen)\n";
  }
}

}  // namespace quil::app
