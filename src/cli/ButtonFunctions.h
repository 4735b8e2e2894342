#pragma once

#include <optional>
#include <string>

#include "settings/ButtonAssignment.h"
#include "settings/FunctionLookup.h"

namespace mousecfg {

class ApplicationCore;

// One button of one profile taking a function, as "mousectl button" and "mousectl
// import" ask for it.
struct ButtonRequest {
  int button = 0;
  int profile = 1;
  std::string function;
  std::optional<bool> keepLeft;  // a gun preset keeps the left key pressed
};

// What the request's function names on the connected mouse: a gun preset (as the gun
// page's Confirm builds it), "macro:NAME" for a macro stored in the mouse, or whatever
// the function lookup finds. `macroNames` stands for the mouse's macros when given (the
// names a planned change will leave).
FunctionLookup lookUpButtonFunction(const ApplicationCore& state, const ButtonRequest& request,
                                    const std::vector<std::string>* macroNames = nullptr);

// The choice, made through the same menu path as the window's key page.
AssignOutcome assignButtonFunction(ApplicationCore& state, const ButtonRequest& request,
                                   const FunctionChoice& choice);

}  // namespace mousecfg
