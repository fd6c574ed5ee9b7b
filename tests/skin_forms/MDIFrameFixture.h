#pragma once
// A skinned MDI parent form (sizable, with a menu line) for the MDI tests,
// with what they ask of it: its client window, maximizing a child until the
// parent's line shows the child's buttons, and whether what the screen shows
// of the parent is its cache.

#include <gtest/gtest.h>

#include <string>

#include "SkinnedFrameFixture.h"
#include "toolkit/core/Bitmap.h"

namespace mdifix {

class MDIParentFixture : public ::testing::Test, protected formfix::SkinnedFrame {
protected:
  void SetUp() override;
  void TearDown() override { Free(); }

  HWND Client() const { return form->ClientHandle(); }
  bool ChildMaximized(tk::TForm* child) const;
  // Maximizes the child and waits until the parent's menu line shows its buttons.
  void Maximize(tk::TForm* child);
  // What the client window shows, as it prints itself.
  tk::Bitmap PrintClient() const;
  // The client window's rectangle in the form's window.
  RECT ClientInWindow() const;
  // Moves the mouse into the client window's bottom-right corner, off every
  // button: pictures are compared without a hover.
  void MouseToClientCorner() const;
  // Pixels of the parent's window on the screen that differ from its cache:
  // everything inside its region and on the screen but the children, which
  // cover the client window.
  int ParentScreenDiffersFromCache() const;
  // The parent and every child are painted: nothing waits to be painted,
  // no cache is left stale (but that of a child hidden behind a maximized
  // sibling), and the screen shows the parent's cache.
  void ExpectAllPainted(const std::string& what) const;
};

// Pixels of a w x h block at (ax, ay) in a that differ from the block at (bx, by) in b.
int DifferingPixels(const tk::Bitmap& a, int ax, int ay, const tk::Bitmap& b, int bx, int by, int w, int h);
// Pixels of the parent's title and menu line on the screen that differ
// from its cache.
int StaleTopPixels(tk::TForm& form, skin::TsSkinProvider& provider);

}  // namespace mdifix
