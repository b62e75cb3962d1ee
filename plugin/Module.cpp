// Filled in by the plug-in shell.
