#pragma once
// Styles of a page's elements: a small built-in style sheet, the document's <style> rules and
// each element's style attribute, for the properties layout knows (display, color, background
// colour, width, height, margin, padding, solid borders, font-size, font-weight, text-align).
// Anything else is ignored. Render side; pure logic.
#include <cstdint>
#include <string>
#include <vector>

#include "Cef.Dom.h"

namespace standin {

enum class TDisplay { None, Block, Inline, InlineBlock, ListItem, Table, TableRow, TableCell };
enum class TTextAlign { Left, Center, Right };

// A length as written: auto, px or percent of the containing block's width.
struct TLength {
  enum TUnit { Auto, Px, Percent } unit = Auto;
  double value = 0;
  int Resolve(int base, int fallback) const {
    return unit == Px ? static_cast<int>(value) : unit == Percent ? static_cast<int>(base * value / 100) : fallback;
  }
};

struct TStyle {
  TDisplay display = TDisplay::Inline;
  std::uint32_t color = 0xFF000000;  // ARGB
  std::uint32_t background = 0;      // ARGB; alpha 0 paints nothing
  TLength width, height;
  int margin[4] = {0, 0, 0, 0};  // top, right, bottom, left
  bool marginAutoX = false;      // margin-left and -right auto: centred when narrower
  int padding[4] = {0, 0, 0, 0};
  int border[4] = {0, 0, 0, 0};
  std::uint32_t borderColor = 0xFF000000;
  int fontSize = 16;
  bool bold = false;
  TTextAlign align = TTextAlign::Left;
};

struct TSelectorStep {
  bool child = false;  // joined to the step before by '>' (else by a space)
  std::wstring tag, id;
  std::vector<std::wstring> classes;
};

struct TStyleRule {
  std::vector<TSelectorStep> steps;
  int specificity = 0;
  int order = 0;
  std::vector<std::pair<std::wstring, std::wstring>> declarations;  // lower-case names
};

// Rules of a style sheet's text; selectors it cannot read are dropped with their rule.
std::vector<TStyleRule> ParseStyleSheet(const std::wstring& css, int firstOrder = 0);
// "name: value; ..." as declarations.
std::vector<std::pair<std::wstring, std::wstring>> ParseDeclarations(const std::wstring& text);

class TStyler {
public:
  // The built-in sheet, then the text of every <style> element of `document`, in order.
  explicit TStyler(const TDomNode& document);
  // The style of `el`, whose ancestors (outermost first) and parent's style are given.
  TStyle Compute(const TDomNode& el, const std::vector<const TDomNode*>& ancestors, const TStyle& parent) const;

private:
  std::vector<TStyleRule> FRules;  // by specificity, then order
};

// One declaration applied to a style (inherited values come from `parent`).
void ApplyDeclaration(TStyle& s, const std::wstring& name, const std::wstring& value, const TStyle& parent);

}  // namespace standin
