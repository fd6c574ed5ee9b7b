#pragma once
// The text form of a stored layout, parsed into a tree. Portable: no
// platform headers.
//
//   // comments run to the end of the line
//   object Form1: TForm1
//     Caption = 'Text in UTF-8, '' for a quote' + ' joined' + #26631
//     ClientWidth = 506            integers (also $1F hexadecimal), floats
//     Font.Name = 'MS Sans Serif'  dotted paths reach sub-objects
//     BorderIcons = [biSystemMenu, biMinimize]     sets
//     OnClick = Button1Click       identifiers: enumerations, booleans,
//                                  colours, event handlers, references
//     Glyph.Data = {424D36...}     binary data as hexadecimal digits
//     Lines = ('one' 'two')        lists of values
//     Items = <                    collections
//       item
//         Name = 'first'
//       end>
//     object Button1: TButton      nested components, in stored order
//       ...
//     end
//   end
//
// Malformed text raises ELayoutError with the line and column of the fault.

#include <string_view>

#include "toolkit/win/LayoutTree.h"

namespace tk {

LayoutObject ParseLayout(std::string_view text);

}  // namespace tk
