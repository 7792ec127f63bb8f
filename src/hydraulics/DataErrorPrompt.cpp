#include "DataErrorPrompt.h"

#include "CheckMessages.h"
#include "platform/Prompter.h"

namespace quenra {

CheckResult CheckBeforeDrawing(ProjectData& project, Prompter& prompter, PromptFlags& flags,
                               bool loadingProject) {
    CheckResult result = CheckData(project, loadingProject);
    if (!result.ErrorsFound() || flags.ErrorPromptSuppressed || flags.ErrorPromptShown)
        return result;
    flags.ErrorPromptShown = true;
    switch (prompter.Ask(check_messages::kDisplayErrorsQuestion, Prompter::Choices::YesNoAbort)) {
    case Prompter::Answer::Abort:
        flags.ErrorPromptSuppressed = true;
        break;
    case Prompter::Answer::Yes:
        CheckDataShowing(project, prompter, loadingProject);
        break;
    default:
        break;
    }
    return result;
}

} // namespace quenra
