# Figures, mesh generators and trackball (no GL context needed).
