#include "hand_cursor.h"

#include <QBitmap>

#include "cursors/hand.xbm"
#include "cursors/hand_mask.xbm"

namespace ormitan::platform {
namespace {

QCursor MakeHandCursor() {
    const QBitmap bitmap =
        QBitmap::fromData(QSize(hand_width, hand_height), hand_bits, QImage::Format_MonoLSB);
    const QBitmap mask = QBitmap::fromData(QSize(hand_mask_width, hand_mask_height), hand_mask_bits,
                                           QImage::Format_MonoLSB);
    return QCursor(bitmap, mask, hand_x_hot, hand_y_hot);
}

}  // namespace

const QCursor& HandCursor() {
    static const QCursor cursor = MakeHandCursor();
    return cursor;
}

}  // namespace ormitan::platform
