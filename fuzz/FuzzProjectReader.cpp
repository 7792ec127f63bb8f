// Any bytes given to the project file reader must give values or messages, never a crash or a
// hang; whatever was read must also survive a save and a second read unchanged.
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

class SilentPrompter : public quenra::Prompter {
public:
    void Inform(const QString&) override {}
    Answer Ask(const QString&, Choices) override { return Answer::No; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentPrompter prompter;
    quenra::ProjectData project;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quenra::ReadProjectBytes(project, bytes, prompter);

    const QByteArray saved = quenra::SerializeProject(project);
    quenra::ProjectData again;
    if (quenra::ReadProjectBytes(again, saved, prompter) != quenra::ReadOutcome::Complete) {
        std::abort();
    }
    if (quenra::SerializeProject(again) != saved) {
        std::abort();
    }
    return 0;
}
