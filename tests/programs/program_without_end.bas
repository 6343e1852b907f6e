WAIT
' nothing more
