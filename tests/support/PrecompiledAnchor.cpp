// The source of a target that exists only to own a precompiled header.
