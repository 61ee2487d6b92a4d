#pragma once
// The two pictures the forms show, drawn rather than shipped as image files.

#include <QPixmap>

namespace invoicing {

// The product picture of the start form: an invoice sheet with a total.
inline constexpr QSize kProductPictureSize(150, 190);
QPixmap productPicture();
// The setup form's mailing envelope with its address window.
QPixmap envelopePicture();

} // namespace invoicing
