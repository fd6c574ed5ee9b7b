#pragma once
// One frame of a form's cross-fade from the screen as it was to the form's
// new look.

namespace tk {
class Bitmap;
}

namespace skin {

// Every channel of every pixel of frame becomes
// (weight * (saved - fresh) + fresh * 256) >> 8, the weight held to
// 0..256: 256 would be the old screen alone, 0 is the new look alone (a
// transition counts down from 255). frame may be 24- or 32-bit (the fourth
// byte is left alone); saved and fresh are 24-bit. Only the area the three
// have in common is written.
void BlendTransitionFrame(tk::Bitmap& frame, const tk::Bitmap& saved, const tk::Bitmap& fresh, int weight);

}  // namespace skin
