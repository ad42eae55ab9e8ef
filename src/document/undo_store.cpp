#include "document/undo_store.h"

#include "document/document.h"
#include "surface/image_files.h"

#include <QDir>
#include <QFile>

namespace quill {

QString UndoStore::fileName(std::int64_t number) { return QStringLiteral("undo%1.bmp").arg(number); }

void UndoStore::setButtons(bool undo, bool redo)
{
    if (undo == undoEnabled_ && redo == redoEnabled_)
        return;
    undoEnabled_ = undo;
    redoEnabled_ = redo;
    buttonsChanged.notify();
}

void UndoStore::TakeUndoSnapshot(const Document &document)
{
    if (!recording)
        return;
    setButtons(undoEnabled_, false);
    const QString name = fileName(UndoCount);
    QFile::remove(name);
    saveBitmap(document.picture().Image(), name);
    setButtons(true, redoEnabled_);
    ++UndoCount;
    UndoTop = UndoCount;
}

void UndoStore::loadInto(Document &document, std::int64_t number)
{
    // A snapshot that cannot be read leaves the picture; the tiles refresh from it anyway.
    if (const auto picture = loadPicture(fileName(number)))
        document.picture().setPicture(*picture);
    document.PropagateCentre();
}

void UndoStore::Undo(Document &document)
{
    if (UndoCount == UndoTop) {
        const QString name = fileName(UndoCount);
        QFile::remove(name);
        saveBitmap(document.picture().Image(), name);
        setButtons(undoEnabled_, true);
    }
    --UndoCount;
    loadInto(document, UndoCount);
    if (UndoCount == 0)
        setButtons(false, redoEnabled_);
}

void UndoStore::Redo(Document &document)
{
    ++UndoCount;
    setButtons(true, redoEnabled_);
    loadInto(document, UndoCount);
    if (UndoCount == UndoTop)
        setButtons(undoEnabled_, false);
}

void UndoStore::deleteStaleFiles()
{
    for (int i = 0; i <= 1000; ++i)
        QFile::remove(fileName(i));
}

} // namespace quill
