// The plug-in module: its only export, VxPluginFactoryFunction, comes from the
// plug-in shell library linked in whole.
