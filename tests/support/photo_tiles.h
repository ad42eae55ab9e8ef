// Photo stand-ins for the seam tests: bricks, grass, gravel, a face and a star
// field, built from shapes, value noise, grain and lighting. None of them
// repeats by itself, so each has seams like a photo.
// Also a seamless noise tile with a bright patch, for the lighting tests.
// Deterministic for a kind and size; never reads a file.
#pragma once

#include <QImage>

#include <vector>

namespace quill::testing {

enum class Photo { Bricks, Grass, Gravel, Face, StarField = 6 }; // the number seeds the picture

inline const std::vector<Photo> kAllPhotos = {Photo::Bricks, Photo::Grass, Photo::Gravel, Photo::Face,
                                              Photo::StarField};

const char *photoName(Photo kind);
QImage photoTile(Photo kind, int width, int height);

// Seamless grey noise around 110 with a soft bright blob of `lift` levels
// centred at `centre` (drawn with wrap-around); lift 0 is an even tile.
QImage blobTile(QSize size, QPoint centre, double lift, unsigned seed = 5);

} // namespace quill::testing
