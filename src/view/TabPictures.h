#pragma once

#include <QImage>

// The small pictures of the side tab strip, drawn once and kept.
namespace TabPictures {
QImage CardFront();   // 24 x 24: a card seen from the front
QImage CardBack();    // 24 x 24: a card seen from the back
QImage ResizeCard();  // 38 x 38: a card with a stretching arrow
}  // namespace TabPictures
