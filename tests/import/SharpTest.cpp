// Tests of the Sharp reader.
