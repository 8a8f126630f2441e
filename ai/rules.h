// The computer's two rule tables, as constexpr data checked at compile time.
#pragma once

#include <array>
#include <cstdint>

namespace zandor::rules {

// Cells by number: n = y * 3 + x.
constexpr std::uint8_t ColOf(std::uint8_t n) { return n % 3; }
constexpr std::uint8_t RowOf(std::uint8_t n) { return n / 3; }

// A line rule: two tested cells and the target that completes their line.
struct LineRuleEntry {
  std::uint8_t first, second, target;
};

// clang-format off: laid out as the table reads
inline constexpr std::array<LineRuleEntry, 24> kLineRules{{
    {0, 1, 2}, {0, 2, 1}, {1, 2, 0},  // row 0
    {3, 4, 5}, {3, 5, 4}, {4, 5, 3},  // row 1
    {6, 7, 8}, {6, 8, 7}, {7, 8, 6},  // row 2
    {0, 3, 6}, {3, 6, 0}, {0, 6, 3},  // column 0
    {1, 4, 7}, {4, 7, 1}, {1, 7, 4},  // column 1
    {2, 5, 8}, {5, 8, 2}, {2, 8, 5},  // column 2
    {0, 4, 8}, {4, 8, 0}, {8, 0, 4},  // diagonal 0-4-8
    {6, 4, 2}, {4, 2, 6}, {2, 6, 4},  // diagonal 2-4-6
}};
// clang-format on

inline constexpr std::uint8_t E = 0, O = 1, X = 2;

// A playbook rule: three cells with the content each must hold, then targets A and B.
struct PatternEntry {
  std::uint8_t cell1, content1, cell2, content2, cell3, content3, targetA, targetB;
};

// clang-format off: laid out as the table reads
inline constexpr std::array<PatternEntry, 50> kPatterns{{
    {6, O, 4, O, 2, X, 0, 8}, {2, O, 4, O, 6, X, 0, 8}, {0, O, 4, O, 8, X, 6, 2}, {8, O, 4, O, 0, X, 6, 2},
    {5, O, 0, O, 6, X, 8, 8}, {5, O, 6, O, 0, X, 2, 2}, {1, O, 6, O, 8, X, 2, 2}, {1, O, 8, O, 6, X, 0, 0},
    {3, O, 2, O, 8, X, 6, 6}, {3, O, 8, O, 2, X, 0, 0}, {7, O, 0, O, 2, X, 8, 8}, {7, O, 2, O, 0, X, 6, 6},
    {0, O, 8, O, 4, X, 7, 3}, {2, O, 6, O, 4, X, 5, 1}, {1, O, 3, O, 7, X, 0, 0}, {1, O, 5, O, 7, X, 2, 2},
    {1, O, 4, O, 7, X, 8, 6}, {1, O, 6, O, 7, X, 2, 2}, {1, O, 8, O, 7, X, 0, 0}, {3, O, 1, O, 5, X, 0, 0},
    {3, O, 7, O, 5, X, 6, 6}, {3, O, 4, O, 5, X, 0, 6}, {3, O, 2, O, 5, X, 6, 6}, {3, O, 8, O, 5, X, 0, 0},
    {7, O, 3, O, 1, X, 6, 6}, {7, O, 5, O, 1, X, 8, 8}, {7, O, 4, O, 1, X, 8, 6}, {7, O, 0, O, 1, X, 8, 8},
    {7, O, 2, O, 1, X, 6, 6}, {5, O, 1, O, 3, X, 2, 2}, {5, O, 7, O, 3, X, 8, 8}, {5, O, 4, O, 3, X, 2, 8},
    {5, O, 0, O, 3, X, 8, 8}, {5, O, 6, O, 3, X, 2, 2}, {0, O, 5, O, 4, X, 1, 2}, {0, O, 7, O, 4, X, 6, 6},
    {2, O, 7, O, 4, X, 5, 8}, {2, O, 3, O, 4, X, 0, 1}, {6, O, 5, O, 4, X, 8, 7}, {6, O, 1, O, 4, X, 0, 3},
    {8, O, 3, O, 4, X, 6, 7}, {8, O, 1, O, 4, X, 2, 5}, {6, E, 3, E, 4, E, 4, 6}, {4, E, 5, E, 2, E, 4, 5},
    {4, E, 1, E, 2, E, 4, 2}, {4, E, 5, E, 8, E, 4, 8}, {0, E, 4, E, 1, E, 4, 0}, {4, E, 7, E, 8, E, 4, 8},
    {0, E, 3, E, 4, E, 4, 0}, {4, E, 7, E, 6, E, 4, 6},
}};
// clang-format on

// ---- compile-time checks of what the tables must be ----

inline constexpr std::uint8_t kLineCells[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                                  {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};

// The index of the line holding three distinct cells, or -1.
constexpr int LineOf(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
  if (a == b || b == c || a == c) return -1;
  for (int i = 0; i < 8; ++i) {
    const auto in = [&](std::uint8_t v) {
      return v == kLineCells[i][0] || v == kLineCells[i][1] || v == kLineCells[i][2];
    };
    if (in(a) && in(b) && in(c)) return i;
  }
  return -1;
}

constexpr bool LineRulesValid() {
  bool seen[8][9] = {};
  for (std::size_t i = 0; i < kLineRules.size(); ++i) {
    const auto& r = kLineRules[i];
    if (r.first > 8 || r.second > 8 || r.target > 8) return false;  // coordinates 0 to 2
    const int line = LineOf(r.first, r.second, r.target);
    // Three rules per line, lines in table order, each cell of a line its target once.
    if (line != static_cast<int>(i / 3) || seen[line][r.target]) return false;
    seen[line][r.target] = true;
  }
  return true;
}

// The three required cells of a rule as a set: the order they are listed in has no effect.
constexpr bool SameCondition(const PatternEntry& p, const PatternEntry& q) {
  const std::uint8_t pc[3][2] = {{p.cell1, p.content1}, {p.cell2, p.content2}, {p.cell3, p.content3}};
  const std::uint8_t qc[3][2] = {{q.cell1, q.content1}, {q.cell2, q.content2}, {q.cell3, q.content3}};
  for (const auto& a : pc) {
    bool found = false;
    for (const auto& b : qc) found = found || (a[0] == b[0] && a[1] == b[1]);
    if (!found) return false;
  }
  return true;
}

// A target can only be played when the rule lets it be empty.
constexpr bool TargetPlayable(const PatternEntry& p, std::uint8_t target) {
  return (p.cell1 != target || p.content1 == E) && (p.cell2 != target || p.content2 == E) &&
         (p.cell3 != target || p.content3 == E);
}

constexpr bool PatternsValid() {
  int sameTargets = 0;
  for (std::size_t i = 0; i < kPatterns.size(); ++i) {
    const auto& p = kPatterns[i];
    for (std::uint8_t v : {p.cell1, p.cell2, p.cell3, p.targetA, p.targetB})
      if (v > 8) return false;  // coordinates 0 to 2
    for (std::uint8_t c : {p.content1, p.content2, p.content3})
      if (c > 2) return false;
    if (p.cell1 == p.cell2 || p.cell2 == p.cell3 || p.cell1 == p.cell3) return false;
    if (!TargetPlayable(p, p.targetA) || !TargetPlayable(p, p.targetB)) return false;
    if (p.targetA == p.targetB) ++sameTargets;
    // No two rules alike: a later rule with the same cells, in whatever order, would only
    // repeat or shadow the earlier one.
    for (std::size_t j = i + 1; j < kPatterns.size(); ++j)
      if (SameCondition(p, kPatterns[j])) return false;
  }
  return sameTargets == 25;
}

static_assert(LineRulesValid(), "every line rule names three cells of one line, each target once");
static_assert(PatternsValid(),
              "playbook: cells in range, targets playable, no two alike, 25 with A equal to B");

}  // namespace zandor::rules
