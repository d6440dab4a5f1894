// The thirty-five styles. Four of them carry board colours that projects and users already know;
// the others derive theirs from the widget palette so that board and windows always match.
#include "i18n/qt/style_catalogue.h"

#include <array>
#include <vector>

namespace jadvalon {
namespace {

struct Seed {
  const char* name;
  const char* qtStyle;
  QColor window, base, text, button, accent, accentText;
  std::optional<BoardColours> board;  // empty: derived from the colours above
  std::optional<int> iconSet;
};

QColor mix(const QColor& a, const QColor& b, double share) {
  auto channel = [share](int x, int y) { return static_cast<int>(x + (y - x) * share + 0.5); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

bool isDark(const QColor& colour) { return colour.lightness() < 110; }

QPalette buildPalette(const Seed& s) {
  const bool dark = isDark(s.window);
  QPalette p;
  auto both = [&p](QPalette::ColorRole role, const QColor& colour) {
    p.setColor(QPalette::Active, role, colour);
    p.setColor(QPalette::Inactive, role, colour);
  };
  both(QPalette::Window, s.window);
  both(QPalette::WindowText, s.text);
  both(QPalette::Base, s.base);
  both(QPalette::AlternateBase, mix(s.base, s.window, 0.5));
  both(QPalette::ToolTipBase, s.base);
  both(QPalette::ToolTipText, s.text);
  both(QPalette::PlaceholderText, mix(s.text, s.base, 0.5));
  both(QPalette::Text, s.text);
  both(QPalette::Button, s.button);
  both(QPalette::ButtonText, s.text);
  both(QPalette::BrightText, dark ? QColor(255, 120, 120) : QColor(200, 0, 0));
  both(QPalette::Highlight, s.accent);
  both(QPalette::HighlightedText, s.accentText);
  both(QPalette::Link, dark ? s.accent.lighter(140) : s.accent.darker(120));
  both(QPalette::LinkVisited, dark ? s.accent.lighter(110) : s.accent.darker(150));
  both(QPalette::Light, s.button.lighter(dark ? 130 : 150));
  both(QPalette::Midlight, s.button.lighter(dark ? 115 : 125));
  both(QPalette::Mid, s.button.darker(dark ? 125 : 130));
  both(QPalette::Dark, s.button.darker(dark ? 150 : 160));
  both(QPalette::Shadow, dark ? QColor(0, 0, 0) : s.button.darker(250));
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    p.setColor(QPalette::Disabled, r, p.color(QPalette::Active, r));
  }
  const QColor greyed = mix(s.text, s.window, 0.55);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, greyed);
  p.setColor(QPalette::Disabled, QPalette::Highlight, mix(s.accent, s.window, 0.5));
  p.setColor(QPalette::Disabled, QPalette::Base, mix(s.base, s.window, 0.4));
  return p;
}

BoardColours deriveBoard(const Seed& s) {
  BoardColours b;
  b.panel = toWindowsColour(s.base);
  b.highlight = toWindowsColour(mix(s.window, s.accent, 0.15));
  b.currentColumn = toWindowsColour(mix(s.base, s.accent, 0.35));
  b.currentHeader = toWindowsColour(mix(s.button, s.accent, 0.55));
  b.gridLine = toWindowsColour(mix(s.base, s.text, 0.3));
  return b;
}

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// The order is the list order, and so the meaning of the number in the style index file.
std::vector<Seed> seeds() {
  return {
      // The classic grey desktop look.
      {"Windows", "Windows", rgb(212, 208, 200), kWhite, kBlack, rgb(212, 208, 200),
       rgb(10, 36, 106), kWhite, BoardColours{16757865, 14211288, 13158600, 16777215, 11775403}, 0},
      {"Windows10",
       "Fusion",
       rgb(240, 240, 240),
       kWhite,
       kBlack,
       rgb(225, 225, 225),
       rgb(0, 120, 215),
       kWhite,
       {},
       {}},
      {"Windows10 SlateGray", "Fusion", rgb(58, 72, 80), rgb(47, 60, 66), rgb(225, 232, 235),
       rgb(75, 90, 98), rgb(119, 168, 165), rgb(16, 24, 28),
       BoardColours{10856567, 9076326, 4340783, 6445643, 3682854}, 2},
      {"Windows10 Purple",
       "Fusion",
       rgb(243, 240, 247),
       kWhite,
       rgb(30, 20, 40),
       rgb(230, 224, 240),
       rgb(107, 47, 186),
       kWhite,
       {},
       {}},
      {"Windows10 Dark",
       "Fusion",
       rgb(32, 32, 32),
       rgb(43, 43, 43),
       rgb(240, 240, 240),
       rgb(51, 51, 51),
       rgb(0, 120, 215),
       kWhite,
       {},
       {}},
      {"Windows10 Blue",
       "Fusion",
       rgb(228, 238, 249),
       kWhite,
       rgb(10, 25, 45),
       rgb(213, 228, 245),
       rgb(0, 99, 177),
       kWhite,
       {},
       {}},
      {"Windows10 Green",
       "Fusion",
       rgb(233, 244, 233),
       kWhite,
       rgb(15, 35, 15),
       rgb(216, 235, 216),
       rgb(16, 124, 16),
       kWhite,
       {},
       {}},
      {"Lavender Classico",
       "Windows",
       rgb(228, 226, 245),
       rgb(250, 249, 255),
       rgb(35, 30, 60),
       rgb(216, 212, 240),
       rgb(123, 104, 238),
       kWhite,
       {},
       {}},
      {"Charcoal Dark Slate",
       "Fusion",
       rgb(54, 57, 59),
       rgb(40, 44, 46),
       rgb(226, 230, 230),
       rgb(66, 72, 74),
       rgb(95, 158, 160),
       rgb(12, 20, 20),
       {},
       {}},
      {"Aqua Light Slate",
       "Fusion",
       rgb(220, 228, 235),
       rgb(246, 249, 251),
       rgb(25, 35, 45),
       rgb(205, 216, 226),
       rgb(0, 160, 190),
       kWhite,
       {},
       {}},
      {"Smokey Quartz Kamri",
       "Fusion",
       rgb(78, 71, 68),
       rgb(62, 56, 54),
       rgb(238, 230, 224),
       rgb(96, 88, 84),
       rgb(190, 150, 112),
       rgb(30, 20, 12),
       {},
       {}},
      {"Auric",
       "Fusion",
       rgb(38, 34, 28),
       rgb(28, 25, 21),
       rgb(240, 228, 200),
       rgb(56, 50, 40),
       rgb(212, 175, 55),
       rgb(28, 22, 6),
       {},
       {}},
      {"Aqua Graphite",
       "Fusion",
       rgb(52, 56, 60),
       rgb(40, 43, 47),
       rgb(228, 234, 238),
       rgb(66, 71, 76),
       rgb(0, 180, 200),
       rgb(6, 24, 28),
       {},
       {}},
      {"Obsidian",
       "Fusion",
       rgb(28, 30, 34),
       rgb(20, 21, 24),
       rgb(214, 218, 226),
       rgb(42, 45, 51),
       rgb(96, 118, 150),
       kWhite,
       {},
       {}},
      {"Metropolis UI Green",
       "Fusion",
       rgb(30, 34, 30),
       rgb(22, 25, 22),
       rgb(235, 242, 235),
       rgb(44, 50, 44),
       rgb(0, 163, 0),
       kWhite,
       {},
       {}},
      // Light sky blue.
      {"Sky", "Fusion", rgb(220, 235, 248), kWhite, rgb(20, 32, 48), rgb(234, 243, 252),
       rgb(51, 153, 255), kWhite, BoardColours{15456429, 16053492, 12829635, 16777215, 13158600},
       1},
      {"Sapphire Kamri",
       "Fusion",
       rgb(26, 42, 76),
       rgb(18, 31, 58),
       rgb(222, 232, 250),
       rgb(38, 58, 100),
       rgb(82, 140, 230),
       kWhite,
       {},
       {}},
      {"Slate Classico",
       "Windows",
       rgb(196, 203, 211),
       rgb(236, 239, 242),
       rgb(20, 28, 36),
       rgb(186, 194, 203),
       rgb(64, 96, 128),
       kWhite,
       {},
       {}},
      {"Glossy",
       "Fusion",
       rgb(36, 36, 38),
       rgb(24, 24, 26),
       rgb(236, 236, 240),
       rgb(56, 56, 60),
       rgb(60, 140, 230),
       kWhite,
       {},
       {}},
      {"Light",
       "Fusion",
       rgb(250, 250, 250),
       kWhite,
       rgb(34, 34, 34),
       rgb(242, 242, 242),
       rgb(70, 130, 180),
       kWhite,
       {},
       {}},
      {"Cobalt XEMedia",
       "Fusion",
       rgb(40, 52, 74),
       rgb(30, 40, 58),
       rgb(222, 230, 244),
       rgb(54, 68, 96),
       rgb(40, 110, 220),
       kWhite,
       {},
       {}},
      {"Glow",
       "Fusion",
       rgb(34, 32, 40),
       rgb(24, 23, 29),
       rgb(240, 234, 226),
       rgb(50, 47, 58),
       rgb(255, 150, 40),
       rgb(30, 16, 0),
       {},
       {}},
      {"Silver",
       "Fusion",
       rgb(214, 217, 223),
       rgb(248, 249, 250),
       rgb(28, 30, 34),
       rgb(200, 204, 212),
       rgb(90, 110, 140),
       kWhite,
       {},
       {}},
      {"Turquoise Gray",
       "Fusion",
       rgb(198, 204, 204),
       rgb(240, 243, 243),
       rgb(22, 32, 32),
       rgb(184, 192, 192),
       rgb(0, 160, 150),
       kWhite,
       {},
       {}},
      {"Iceberg Classico",
       "Windows",
       rgb(230, 241, 247),
       kWhite,
       rgb(18, 40, 56),
       rgb(214, 232, 242),
       rgb(70, 150, 190),
       kWhite,
       {},
       {}},
      {"Emerald Light Slate",
       "Fusion",
       rgb(222, 228, 232),
       rgb(247, 250, 249),
       rgb(20, 36, 30),
       rgb(208, 218, 222),
       rgb(0, 150, 100),
       kWhite,
       {},
       {}},
      {"Carbon",
       "Fusion",
       rgb(34, 34, 34),
       rgb(24, 24, 24),
       rgb(230, 230, 230),
       rgb(52, 52, 52),
       rgb(242, 128, 0),
       rgb(24, 12, 0),
       {},
       {}},
      {"Cyan Night",
       "Fusion",
       rgb(20, 28, 40),
       rgb(13, 19, 28),
       rgb(210, 236, 242),
       rgb(32, 44, 60),
       rgb(0, 200, 220),
       rgb(0, 24, 30),
       {},
       {}},
      {"Amethyst Kamri",
       "Fusion",
       rgb(48, 34, 62),
       rgb(36, 25, 47),
       rgb(236, 226, 246),
       rgb(66, 48, 84),
       rgb(153, 102, 204),
       kWhite,
       {},
       {}},
      {"Golden Graphite",
       "Fusion",
       rgb(62, 62, 64),
       rgb(48, 48, 50),
       rgb(236, 234, 228),
       rgb(78, 78, 80),
       rgb(230, 170, 40),
       rgb(30, 20, 0),
       {},
       {}},
      // The blue and beige desktop look of the early 2000s; the program starts in it.
      {"Luna", "Fusion", rgb(236, 233, 216), kWhite, kBlack, rgb(244, 243, 238), rgb(49, 106, 197),
       kWhite, BoardColours{5823231, 16378847, 15643526, 16777215, 14988432}, 0},
      {"TabletDark",
       "Fusion",
       rgb(45, 45, 48),
       rgb(30, 30, 32),
       rgb(241, 241, 241),
       rgb(62, 62, 66),
       rgb(0, 122, 204),
       kWhite,
       {},
       {}},
      {"Cyan Dusk",
       "Fusion",
       rgb(42, 62, 78),
       rgb(32, 48, 62),
       rgb(220, 238, 244),
       rgb(56, 80, 98),
       rgb(0, 190, 210),
       rgb(0, 26, 30),
       {},
       {}},
      {"Amakrits",
       "Fusion",
       rgb(50, 50, 50),
       rgb(38, 38, 38),
       rgb(250, 226, 170),
       rgb(66, 66, 66),
       rgb(250, 190, 50),
       rgb(30, 22, 0),
       {},
       {}},
      {"Metropolis UI Blue",
       "Fusion",
       rgb(27, 58, 107),
       rgb(20, 44, 84),
       rgb(236, 244, 255),
       rgb(38, 76, 136),
       rgb(0, 170, 255),
       rgb(0, 20, 40),
       {},
       {}},
  };
}

std::vector<StyleDefinition> build() {
  std::vector<StyleDefinition> styles;
  for (const Seed& s : seeds()) {
    StyleDefinition d;
    d.name = QString::fromUtf8(s.name);
    d.qtStyle = QString::fromUtf8(s.qtStyle);
    d.palette = buildPalette(s);
    d.board = s.board ? *s.board : deriveBoard(s);
    d.iconSet = s.iconSet;
    d.dark = isDark(s.window);
    styles.push_back(std::move(d));
  }
  return styles;
}

const std::vector<StyleDefinition>& all() {
  static const std::vector<StyleDefinition> styles = build();
  return styles;
}

}  // namespace

const StyleDefinition& StyleCatalogue::at(int position) {
  const auto& styles = all();
  if (position < 0 || position >= static_cast<int>(styles.size())) return styles.front();
  return styles[static_cast<std::size_t>(position)];
}

int StyleCatalogue::find(const QString& name) {
  const auto& styles = all();
  for (std::size_t i = 0; i < styles.size(); ++i)
    if (styles[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace jadvalon
