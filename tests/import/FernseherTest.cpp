// Tests of the dispatch of TV sets' exports.
