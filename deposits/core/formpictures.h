#pragma once
// Pictures of the pre-printed forms, drawn rather than shipped as image files, so they stay
// sharp at any screen scale and need no resources.

#include <QPixmap>
#include <QSize>

namespace deposits {

QPixmap depositTicketPicture(QSize size); // a deposit ticket over its summary report
QPixmap checkPicture(QSize size);         // a business check
QPixmap envelopePicture(QSize size);      // a window envelope

} // namespace deposits
