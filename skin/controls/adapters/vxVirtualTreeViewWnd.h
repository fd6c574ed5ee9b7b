#pragma once
// TvxVirtualTreeViewWnd: a tree of the virtual-tree family (known by its
// class name) wrapped as an edit - frame, skinned bars, colours - whose
// column header, when it shows one as a header window of its own, is
// painted as a list view's.

#include <memory>

#include "vxEditWnd.h"
#include "vxHeaderWnd.h"

namespace skin {

class TvxVirtualTreeViewWnd : public TvxEditWnd {
public:
  using TvxEditWnd::TvxEditWnd;
  ~TvxVirtualTreeViewWnd() override;
  TvxHeaderWnd* Header() const { return header_.get(); }

protected:
  void Attach() override;

private:
  std::unique_ptr<TvxHeaderWnd> header_;
};

}  // namespace skin
