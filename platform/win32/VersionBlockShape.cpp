// Walks a version block's node tree with checked reads only.
//
// A node is: WORD length, WORD value length, (32-bit layout only) WORD
// type, the key (zero-terminated, chars or UTF-16), padding to a multiple
// of four from the block's start, the value, padding, then the children up
// to the node's length.
#include "platform/win32/VersionBlockShape.h"

#include <cstddef>

namespace cvn::platform::win32 {
namespace {

// Real blocks nest four deep (root, StringFileInfo, table, string).
constexpr int kDeepestNesting = 8;

enum class Layout { Narrow16, Wide32 };

size_t AlignUp4(size_t offset) { return (offset + 3) & ~size_t{3}; }

uint16_t ReadWord(const Bytes& block, size_t offset) {
  return static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
}

// The offset just past the key's terminating zero, or 0 when the key runs
// to the end of the node.
size_t KeyEnd(const Bytes& block, size_t keyStart, size_t nodeEnd, Layout layout) {
  const size_t unit = layout == Layout::Wide32 ? 2 : 1;
  for (size_t at = keyStart; at + unit <= nodeEnd; at += unit) {
    if (block[at] == 0 && (unit == 1 || block[at + 1] == 0)) return at + unit;
  }
  return 0;
}

bool IsWellFormedNode(const Bytes& block, size_t start, size_t parentEnd, Layout layout,
                      int depth) {
  const size_t header = layout == Layout::Wide32 ? 6 : 4;
  if (depth > kDeepestNesting || start > parentEnd || parentEnd - start < header) return false;
  const size_t length = ReadWord(block, start);
  if (length < header || length > parentEnd - start) return false;
  const size_t end = start + length;
  const size_t keyEnd = KeyEnd(block, start + header, end, layout);
  if (keyEnd == 0) return false;
  // Text values of the 32-bit layout count UTF-16 characters, all others bytes.
  const bool wideText = layout == Layout::Wide32 && ReadWord(block, start + 4) == 1;
  const size_t valueBytes = size_t{ReadWord(block, start + 2)} * (wideText ? 2 : 1);
  // Compilers disagree on text value lengths; a value that overruns the
  // node only means the node has no children.
  for (size_t child = AlignUp4(AlignUp4(keyEnd) + valueBytes); child < end;) {
    if (!IsWellFormedNode(block, child, end, layout, depth + 1)) return false;
    child = AlignUp4(child + ReadWord(block, child));
  }
  return true;
}

}  // namespace

bool IsWellFormedVersionBlock(const Bytes& block) {
  if (block.size() < 6) return false;
  // Windows tells the layouts apart the same way: the 16-bit key starts
  // right after the two lengths, where the 32-bit layout has its type (0 or 1).
  const Layout layout = block[4] >= ' ' ? Layout::Narrow16 : Layout::Wide32;
  return IsWellFormedNode(block, 0, block.size(), layout, 0);
}

}  // namespace cvn::platform::win32
