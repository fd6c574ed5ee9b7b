#pragma once
// TvxListViewWnd: a list view wrapped as an edit (frame, skinned bars,
// colours) whose column header is wrapped as well (TvxHeaderWnd).

#include <memory>

#include "vxEditWnd.h"
#include "vxHeaderWnd.h"

namespace skin {

class TvxListViewWnd : public TvxEditWnd {
public:
  using TvxEditWnd::TvxEditWnd;
  ~TvxListViewWnd() override;
  TvxHeaderWnd* Header() const { return header_.get(); }

protected:
  void Attach() override;
  // A list view scrolls by rows of its item height (pixels across).
  bool ScrollToThumb(TvxScrollBar& bar, int position) override;

private:
  std::unique_ptr<TvxHeaderWnd> header_;
};

}  // namespace skin
