#pragma once

#include "shell/conj_request.hpp"
#include "shell/shell_context.hpp"

/// conj for a verb: validation, dictionary lookup and homophone menu, class,
/// case selection, engine, recording and rendering.
void runVerbFlow(ConjRequest& request, ShellContext& context);

/// conj for a true adjective.
void runAdjectiveFlow(ConjRequest& request, ShellContext& context);
