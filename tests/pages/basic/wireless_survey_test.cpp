// Placeholder while the tests of this file are being written.
