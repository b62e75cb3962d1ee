// Placeholder so that the platform library has a source before its layers exist.
