RUN nosuchfile.bas
