#include "files/ClientInfoImport.h"
#include "files/Windows1252.h"
#include "model/ProjectData.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Any bytes a client-information file may hold must import without a crash, a hang or runaway
// memory.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quenra::ProjectData project;
    quenra::ImportClientInfoText(project, quenra::DecodeWindows1252(bytes));
    return 0;
}
