// Tests of the Grundig reader.
