#pragma once
// The shell's fixed texts: the model names, the application title and the
// messages start-up can show. They exist before main() runs.

// The managed model: "VAP-7720", and "" appended to it.
extern const char* const ModelName;
extern const char* const ModelSuffix;
// The device's MIB root as text: the name of the registry value that holds
// the module's help path.
extern const char* const MibRootText;
// The single-instance guard's box (caption "Warning").
extern const char* const InstanceGuardMessage;
// The title of the application object: the caption of its plain boxes.
extern const char* const ApplicationTitle;
// Shown when the module is started without any parameter.
extern const char* const NoParameterMessage;
