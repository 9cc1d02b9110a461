#include "app/QV3DViewer/output/ViewExport.h"

#include "app/QV3DViewer/view/ViewController.h"
#include "ibw/CIBWReader.h"
#include "ui/CPath.h"

bool WriteViewExport(ViewExportKind kind, ViewController& controller, const CIBWReader& reader,
                     const std::string& path, std::string* error) {
    switch (kind) {
    case ViewExportKind::Ascii:
        return reader.WriteItx(path, CPath(path).GetFileTitle(), controller.MainChannel(), true, error);
    case ViewExportKind::Stl:
        return controller.ExportMeshStl(path, true, error);
    case ViewExportKind::Vrml:
        return controller.ExportMeshVrml(path, error);
    }
    return false;
}
