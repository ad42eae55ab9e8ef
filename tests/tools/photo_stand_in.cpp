// Writes one of the test suites' photo stand-ins as a PNG, so scripts can show
// the seam tools on the same pictures the tests measure:
//   photo_stand_in KIND WxH FILE   (KIND: bricks, grass, gravel, face, stars)
#include "support/photo_tiles.h"

#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto size = QRegularExpression(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$")).match(args.value(2));
    for (quill::testing::Photo kind : quill::testing::kAllPhotos)
        if (args.size() == 4 && args[1] == QLatin1String(quill::testing::photoName(kind)) && size.hasMatch()) {
            const int w = size.captured(1).toInt(), h = size.captured(2).toInt();
            if (w > 0 && h > 0 && quill::testing::photoTile(kind, w, h).save(args[3], "PNG"))
                return 0;
            std::fprintf(stderr, "photo_stand_in: cannot write %s\n", qPrintable(args[3]));
            return 1;
        }
    std::fprintf(stderr, "usage: photo_stand_in bricks|grass|gravel|face|stars WxH FILE\n");
    return 2;
}
