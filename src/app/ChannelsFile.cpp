#include "app/ChannelsFile.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string_view>

#include "app/GLibLibrary.h"
#include "app/OwnChannelKeys.h"
#include "app/UserFile.h"
#include "catalogue/Catalogue.h"

namespace quil::app {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Beyond these, the complaints about a file are counted, not listed: one
// file of junk must not bury the rest of the program's messages.
constexpr std::size_t kListedProblems = 20;
constexpr std::size_t kKeptProblems = 10'000;
// A day: a longer Wait= can only be a slip of the finger.
constexpr int kLongestWait = 86'400;
// A list of games is a few kilobytes.
constexpr std::size_t kLargestFile = 1024 * 1024;

// One line as GKeyFile reads it on its own.
struct Line {
  enum Kind { Blank, Group, Key, Bad } kind;
  std::string name;  // of the group or the key; what is wrong for a bad line
};

// A group and its lines, kept apart so that each is read on its own.
struct Entry {
  int line = 0;  // of its [title]
  std::string title = {};
  std::string text = {};
  std::map<std::string, int, std::less<>> keyLines = {};
  bool broken = false;
};

class Reader {
 public:
  Reader(std::string path, std::string home) : path_(std::move(path)), home_(std::move(home)) {}

  // GLib is needed only when there is text to read.
  ChannelsFile Read(const std::optional<std::string>& text) {
    glib_ = text ? GLibLibrary::Get() : nullptr;
    if (text && !glib_) Problem(0, "cannot be read: GLib cannot be loaded");
    std::vector<Entry> entries = glib_ ? Split(*text) : std::vector<Entry>();
    std::set<std::string, std::less<>> seen;
    std::vector<const Entry*> own;
    for (const Entry& entry : entries) {
      if (entry.broken) continue;
      if (!seen.insert(entry.title).second) {
        Problem(entry.line, "[" + entry.title + "] comes a second time; the first one counts");
      } else if (auto command = Command(entry)) {
        file_.commands.emplace(entry.title, std::move(*command));
        if (!Titled(entry.title)) own.push_back(&entry);
      }
    }
    Seat(own);
    // In the order of the file's lines.
    std::stable_sort(problems_.begin(), problems_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, problem] : problems_) {
      if (file_.problems.size() == kListedProblems) break;
      file_.problems.push_back(problem);
    }
    if (const std::size_t unlisted = problemCount_ - file_.problems.size())
      file_.problems.push_back(path_ + ": " + std::to_string(unlisted) + " more problems are not listed");
    return std::move(file_);
  }

  void Problem(int line, const std::string& what) {
    if (++problemCount_ > kKeptProblems) return;
    problems_.emplace_back(line, path_ + (line ? ":" + std::to_string(line) : std::string()) + ": " + what);
  }

 private:
  using KeyFile = std::unique_ptr<GKeyFile, decltype(&g_key_file_free)>;

  KeyFile NewKeyFile() const { return {glib_->KeyFileNew(), glib_->KeyFileFree}; }
  // Takes GLib's error, leaving its message.
  std::string Message(GError*& error) const {
    std::string message = error->message;
    Forget(error);
    return message;
  }
  void Forget(GError*& error) const {
    if (error) glib_->ErrorFree(error);
    error = nullptr;
  }
  bool KeyMissing(const GError* error) const {
    return error && error->domain == glib_->KeyFileErrorQuark() && error->code == G_KEY_FILE_ERROR_KEY_NOT_FOUND;
  }

  // GKeyFile refuses a whole file for one bad line; taking the lines one at a
  // time lets a bad one cost only its own group, by GKeyFile's own rules.
  Line Classify(const std::string& text) const {
    if (!glib_->Utf8Validate(text.data(), static_cast<gssize>(text.size()), nullptr))
      return {Line::Bad, "it is not UTF-8"};
    GError* error = nullptr;
    const KeyFile alone = NewKeyFile();
    if (glib_->KeyFileLoadFromData(alone.get(), text.data(), text.size(), G_KEY_FILE_NONE, &error)) {
      gchar* group = glib_->KeyFileGetStartGroup(alone.get());
      if (!group) return {Line::Blank, {}};
      Line line{Line::Group, group};
      glib_->Free(group);
      return line;
    }
    Forget(error);
    const std::string inGroup = "[_]\n" + text;
    const KeyFile scratch = NewKeyFile();
    if (!glib_->KeyFileLoadFromData(scratch.get(), inGroup.data(), inGroup.size(), G_KEY_FILE_NONE, &error))
      return {Line::Bad, Message(error)};
    gchar** keys = glib_->KeyFileGetKeys(scratch.get(), "_", nullptr, nullptr);
    // A translated key (Exec[fr]=) lists no key of its own.
    Line line = keys && keys[0] ? Line{Line::Key, keys[0]} : Line{Line::Blank, {}};
    glib_->Strfreev(keys);
    return line;
  }

  // A whole number of seconds, written plainly.
  static std::optional<int> Seconds(const std::string& text) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    const int seconds = std::stoi(text);
    if (seconds > kLongestWait) return std::nullopt;
    return seconds;
  }

  static bool Titled(std::string_view title) {
    for (const catalogue::Game& row : catalogue::kGames)
      if (row.title == title) return true;
    return false;
  }

  // Editors on other systems start a file with a byte-order mark, or end its
  // lines with CR LF; GKeyFile would refuse both.
  std::vector<Entry> Split(const std::string& text) {
    std::vector<Entry> entries;
    int number = 0;
    for (std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0; start < text.size();) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string content = text.substr(start, end - start);
      if (content.ends_with('\r')) content.pop_back();
      start = end + 1;
      ++number;
      const Line line = Classify(content);
      Entry* current = entries.empty() ? nullptr : &entries.back();
      switch (line.kind) {
        case Line::Group:
          entries.push_back(Entry{number, line.name, content + "\n"});
          break;
        case Line::Blank:
          if (current) current->text += content + "\n";
          break;
        case Line::Key:
          if (!current) {
            Problem(number, line.name + "= stands before any [channel title]; it is ignored");
            break;
          }
          current->text += content + "\n";
          current->keyLines[line.name] = number;
          break;
        case Line::Bad:
          // A broken [title] line starts a group too: its lines must not fall
          // to the group before it.
          if (content.find_first_not_of(" \t") != std::string::npos &&
              content[content.find_first_not_of(" \t")] == '[') {
            Problem(number, line.name + "; the group it starts is ignored");
            entries.push_back(Entry{.line = number, .broken = true});
          } else if (current && !current->broken) {
            Problem(number, line.name + "; [" + current->title + "] is ignored");
            current->broken = true;
          } else {
            Problem(number, line.name);
          }
          break;
      }
    }
    return entries;
  }

  std::optional<channels::GameCommand> Command(const Entry& entry) {
    const KeyFile keys = NewKeyFile();
    GError* error = nullptr;
    if (!glib_->KeyFileLoadFromData(keys.get(), entry.text.data(), entry.text.size(), G_KEY_FILE_NONE, &error)) {
      Problem(entry.line, Message(error) + "; [" + entry.title + "] is ignored");
      return std::nullopt;
    }
    // A value GLib cannot read costs its entry, whatever else GLib returns with the error.
    const auto value = [&](const char* key) -> std::optional<std::string> {
      gchar* text = glib_->KeyFileGetString(keys.get(), entry.title.c_str(), key, &error);
      std::optional<std::string> result;
      if (text && !error) result = text;
      glib_->Free(text);
      return result;
    };
    const auto lineOf = [&](std::string_view key) {
      const auto found = entry.keyLines.find(key);
      return found == entry.keyLines.end() ? entry.line : found->second;
    };
    const auto fail = [&](std::string_view key, const std::string& what) {
      Problem(lineOf(key), what + "; [" + entry.title + "] is ignored");
      return std::nullopt;
    };
    // An optional key's value; a bad one is a problem, an absent one is not.
    const auto unreadable = [&](std::string_view key) {
      return std::string(key) + "= cannot be read: " + Message(error) +
             " (in this file a backslash is written twice)";
    };

    channels::GameCommand command;
    const std::optional<std::string> exec = value("Exec");
    if (!exec) {
      if (KeyMissing(error)) {
        Forget(error);
        return fail("Exec", "[" + entry.title + "] has no Exec= line");
      }
      return fail("Exec", unreadable("Exec"));
    }
    command.line = *exec;
    gint argc = 0;
    gchar** argv = nullptr;
    if (!glib_->ShellParseArgv(exec->c_str(), &argc, &argv, &error))
      return fail("Exec", "Exec= cannot be split into arguments: " + Message(error));
    command.argv.assign(argv, argv + argc);
    glib_->Strfreev(argv);

    command.folder = home_;
    if (const std::optional<std::string> path = value("Path")) {
      if (!path->empty() && path->front() != '/') return fail("Path", "Path= is not an absolute folder");
      if (!path->empty()) command.folder = *path;
    } else if (!KeyMissing(error)) {
      return fail("Path", unreadable("Path"));
    }
    Forget(error);

    if (const std::optional<std::string> wait = value("Wait")) {
      const std::optional<int> seconds = Seconds(*wait);
      if (!seconds) return fail("Wait", "Wait= is not a number of seconds from 0 to " + std::to_string(kLongestWait));
      command.wait = std::chrono::seconds(*seconds);
    } else if (!KeyMissing(error)) {
      return fail("Wait", unreadable("Wait"));
    }
    Forget(error);
    if (Titled(entry.title)) return command;
    const auto ownValue = [&](const char* key) {
      std::optional<std::string> text = value(key);
      if (!text && !KeyMissing(error))
        Problem(lineOf(key), unreadable(key) + "; [" + entry.title + "] shows without it");
      Forget(error);
      return text;
    };
    file_.own.push_back(ReadOwnChannelKeys(entry.title, ownValue, [&](std::string_view key, const std::string& why) {
      Problem(lineOf(key), why + "; [" + entry.title + "] shows without it");
    }));
    return command;
  }

  // Gives each own channel its tile, naming those that had to move or found none.
  void Seat(const std::vector<const Entry*>& entries) {
    std::vector<int> asked;
    for (const catalogue::OwnChannel& channel : file_.own) asked.push_back(channel.tile);
    const std::vector<catalogue::Seat> seats = catalogue::SeatOwnChannels(asked);
    for (std::size_t i = 0; i < seats.size(); ++i) {
      catalogue::OwnChannel& channel = file_.own[i];
      const Entry& entry = *entries[i];
      const auto tileLine = entry.keyLines.find("Tile");
      if (seats[i].moved)
        Problem(tileLine->second, "tile " + std::to_string(channel.tile) + " went to a channel before [" +
                                      channel.title + "]" +
                                      (seats[i].tile ? "; it takes tile " + std::to_string(seats[i].tile) : ""));
      if (!seats[i].tile)
        Problem(entry.line, "no tile is left for [" + channel.title + "]; it is not on the menu");
      channel.tile = seats[i].tile;
    }
  }

  std::string path_;
  std::string home_;
  const GLibLibrary* glib_ = nullptr;
  ChannelsFile file_;
  std::vector<std::pair<int, std::string>> problems_;
  std::size_t problemCount_ = 0;
};

}  // namespace

std::string ChannelsFilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string base = config && config[0] == '/' ? std::string(config) : HomeFolder() + "/.config";
  return base + "/quil-os/channels.conf";
}

ChannelsFile ReadChannelsFile(const std::string& path, const std::string& home) {
  Reader reader(path, home);
  const UserFile file = ReadUserFile(path, kLargestFile);
  if (file.problem) reader.Problem(0, *file.problem);
  return reader.Read(file.text);
}

}  // namespace quil::app
