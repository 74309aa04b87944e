#include "qtpageddocument.h"

#include <QPagedPaintDevice>

#include <stdexcept>

namespace fluvara {

TQtPagedDocument::TQtPagedDocument(QPagedPaintDevice& device) : device_(device), surface_(QFont("Arial"))
{
    if (!painter_.begin(&device_))
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden.");
    surface_.Begin(&painter_);
}

TQtPagedDocument::~TQtPagedDocument()
{
    surface_.End();
    if (painter_.isActive())
        painter_.end();
}

int TQtPagedDocument::PageWidth() { return device_.width(); }

int TQtPagedDocument::PageHeight() { return device_.height(); }

void TQtPagedDocument::NewPage()
{
    if (!device_.newPage())
        throw std::runtime_error("Die nächste Seite konnte nicht begonnen werden.");
}

void TQtPagedDocument::Finish()
{
    surface_.End();
    if (!painter_.end())
        throw std::runtime_error("Das Dokument konnte nicht abgeschlossen werden.");
}

}  // namespace fluvara
