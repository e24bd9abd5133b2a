// Keeps the library non-empty while subsystems add their sources.
