// Tests of the Tcl reader.
